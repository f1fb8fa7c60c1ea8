#include "form/record_layout.h"

#include <array>
#include <map>

#include "table/text_format.h"

namespace kelvor::form {

namespace {

using K = FieldKind;

struct FieldRow {
    K kind;
    int control;
    int min;
    int max;  // min > max: no range
};
constexpr FieldRow kNoRangeInt(int control) { return {K::Integer, control, 1, 0}; }

// Fields 0 to 52, one row each.
constexpr FieldRow kHead[] = {
    {K::Text, 1011, 1, 0},       {K::Marker, 0, 1, 0},        {K::Integer, 1012, 0, 255},
    {K::TableValue, 1018, 1, 0}, {K::TableValue, 1019, 1, 0}, {K::TableValue, 1020, 1, 0},
    {K::TableValue, 1021, 1, 0}, {K::Integer, 1022, 1, 10},   {K::Integer, 1023, 1, 255},
    {K::Flag, 1025, 1, 0},       {K::Flag, 1034, 1, 0},       {K::Flag, 1035, 1, 0},
    {K::Flag, 1036, 1, 0},       {K::Flag, 1037, 1, 0},       {K::Flag, 1038, 1, 0},
    {K::Flag, 1039, 1, 0},       {K::Flag, 1040, 1, 0},       {K::Flag, 1041, 1, 0},
    {K::Flag, 1042, 1, 0},       {K::Integer, 1172, 0, 99},   {K::Integer, 1210, 0, 99},
    {K::Integer, 1211, 0, 99},   {K::Integer, 1212, 0, 99},   {K::Integer, 1213, 0, 99},
    {K::Integer, 1027, 0, 1000000},
    {K::MovementClass, 1029, 1, 0}, {K::MovementClass, 1054, 1, 0}, {K::MovementClass, 1055, 1, 0},
    {K::MovementClass, 1056, 1, 0}, {K::MovementClass, 1057, 1, 0}, {K::MovementClass, 1058, 1, 0},
    {K::TableValue, 1030, 1, 0}, {K::TableValue, 1059, 1, 0},
    {K::Integer, 1031, 0, 99},   {K::Integer, 1060, 0, 99},   {K::Integer, 1061, 0, 99},
    {K::Integer, 1062, 0, 99},   {K::Integer, 1063, 0, 99},   {K::Integer, 1064, 0, 99},
    {K::Flag, 1033, 1, 0},       {K::Flag, 1073, 1, 0},       {K::Flag, 1074, 1, 0},
    {K::Flag, 1075, 1, 0},       {K::Flag, 1076, 1, 0},       {K::Flag, 1077, 1, 0},
    {K::Flag, 1078, 1, 0},       {K::Flag, 1079, 1, 0},       {K::Flag, 1080, 1, 0},
    {K::Integer, 1047, 0, 99},   {K::Integer, 1081, 0, 4},    {K::Integer, 1082, 0, 999},
    {K::Integer, 1083, 0, 999},  kNoRangeInt(1084),
};
static_assert(std::size(kHead) == 53);

// A weapon block: 20 fields, the same kinds and ranges in every block.
struct Offset {
    K kind;
    int min;
    int max;
};
constexpr Offset kWeaponOffsets[20] = {
    {K::Text, 1, 0},    {K::Integer, 0, 99}, {K::Integer, 0, 99}, {K::Integer, 0, 99},  {K::Integer, 0, 99},
    {K::Integer, 0, 99}, {K::Integer, 0, 99}, {K::Integer, 0, 99}, {K::Integer, 0, 99}, {K::Integer, 0, 99},
    {K::Integer, 0, 99}, {K::TableValue, 1, 0}, {K::Integer, 0, 99999}, {K::Flag, 1, 0}, {K::Flag, 1, 0},
    {K::Flag, 1, 0},    {K::Flag, 1, 0},     {K::Flag, 1, 0},     {K::Flag, 1, 0},      {K::Flag, 1, 0},
};
constexpr int kWeaponControls[5][20] = {
    {1048, 1049, 1050, 1051, 1052, 1053, 1065, 1066, 1067, 1068, 1069, 1071, 1087, 1136, 1137, 1138, 1139, 1140, 1141, 1142},
    {1070, 1088, 1092, 1096, 1100, 1104, 1108, 1112, 1113, 1114, 1115, 1128, 1132, 1143, 1147, 1151, 1155, 1159, 1163, 1167},
    {1072, 1089, 1093, 1097, 1101, 1105, 1109, 1116, 1117, 1118, 1119, 1129, 1133, 1144, 1148, 1152, 1156, 1160, 1164, 1168},
    {1085, 1090, 1094, 1098, 1102, 1106, 1110, 1120, 1121, 1122, 1123, 1130, 1134, 1145, 1149, 1153, 1157, 1161, 1165, 1169},
    {1086, 1091, 1095, 1099, 1103, 1107, 1111, 1124, 1125, 1126, 1127, 1131, 1135, 1146, 1150, 1154, 1158, 1162, 1166, 1170},
};

// The rating grid: nine rows (weapons 1 to 5, movement, high speed, ECCM,
// fuel) by four columns; the file keeps it column by column.
constexpr int kRatingMax[9] = {999, 999, 999, 999, 999, 99, 99, 999, 99999};
constexpr int kRatingControls[9][4] = {
    {1171, 1175, 1176, 1177}, {1178, 1182, 1183, 1184}, {1179, 1185, 1186, 1187},
    {1180, 1188, 1189, 1190}, {1181, 1191, 1192, 1193}, {1194, 1198, 1199, 1200},
    {1195, 1201, 1202, 1203}, {1196, 1204, 1205, 1206}, {1197, 1207, 1208, 1209},
};

// Fields 189 to 193: the picture number and four more, without ranges.
constexpr int kTailControls[5] = {1173, 1174, 1214, 1215, 1216};

FieldLayout Make(int field, K kind, int control, int min, int max) {
    const bool ranged = kind == K::Integer && min <= max;
    return {field, kind, control, ranged, ranged ? min : 0, ranged ? max : 0};
}

std::array<FieldLayout, table::kFieldCount> Build() {
    std::array<FieldLayout, table::kFieldCount> out{};
    for (int f = 0; f < 53; ++f) out[f] = Make(f, kHead[f].kind, kHead[f].control, kHead[f].min, kHead[f].max);
    for (int w = 0; w < 5; ++w)
        for (int o = 0; o < 20; ++o) {
            const int f = 53 + 20 * w + o;
            out[f] = Make(f, kWeaponOffsets[o].kind, kWeaponControls[w][o], kWeaponOffsets[o].min, kWeaponOffsets[o].max);
        }
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 9; ++row) {
            const int f = 153 + 9 * column + row;
            out[f] = Make(f, K::Integer, kRatingControls[row][column], 0, kRatingMax[row]);
        }
    for (int i = 0; i < 5; ++i) out[189 + i] = Make(189 + i, K::Integer, kTailControls[i], 1, 0);
    return out;
}

const std::array<FieldLayout, table::kFieldCount>& Layout() {
    static const auto layout = Build();
    return layout;
}

}  // namespace

std::span<const FieldLayout> RecordLayout() { return Layout(); }

const FieldLayout* FieldOfControl(int controlId) {
    static const std::map<int, const FieldLayout*> byControl = [] {
        std::map<int, const FieldLayout*> m;
        for (const FieldLayout& f : Layout())
            if (f.controlId) m[f.controlId] = &f;
        return m;
    }();
    const auto it = byControl.find(controlId);
    return it == byControl.end() ? nullptr : it->second;
}

}  // namespace kelvor::form
