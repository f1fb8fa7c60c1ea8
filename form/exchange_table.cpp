#include "form/exchange_table.h"

#include <vector>

#include "form/record_layout.h"

namespace kelvor::form {

namespace {

constexpr int kControlObjects[] = {1131, 1130, 1129, 1128, 1071, 1030, 1059, 1058, 1057,
                                   1056, 1055, 1054, 1029, 1021, 1020, 1019, 1018, 1008};

// The value controls in exchange order, as runs of consecutive ids
// {first, last}.
struct Run {
    int first;
    int last;
};
constexpr Run kOrder[] = {
    {1011, 1011}, {1012, 1012}, {1022, 1022}, {1023, 1023}, {1034, 1034}, {1025, 1025}, {1035, 1042},
    {1027, 1027}, {1031, 1031}, {1060, 1064}, {1033, 1033}, {1073, 1080}, {1081, 1081}, {1047, 1047},
    {1083, 1083}, {1084, 1084}, {1082, 1082}, {1048, 1048}, {1050, 1050}, {1049, 1049}, {1051, 1053},
    {1066, 1066}, {1065, 1065}, {1067, 1070}, {1072, 1072}, {1085, 1086}, {1092, 1092}, {1088, 1088},
    {1093, 1093}, {1089, 1089}, {1094, 1094}, {1090, 1090}, {1095, 1095}, {1091, 1091}, {1096, 1096},
    {1100, 1100}, {1104, 1104}, {1108, 1108}, {1112, 1115}, {1097, 1097}, {1101, 1101}, {1105, 1105},
    {1116, 1119}, {1109, 1109}, {1098, 1098}, {1102, 1102}, {1106, 1106}, {1110, 1110}, {1120, 1123},
    {1099, 1099}, {1103, 1103}, {1107, 1107}, {1111, 1111}, {1124, 1127}, {1087, 1087}, {1132, 1135},
    {1139, 1140}, {1136, 1137}, {1141, 1142}, {1138, 1138}, {1155, 1155}, {1159, 1159}, {1143, 1143},
    {1147, 1147}, {1163, 1163}, {1167, 1167}, {1151, 1151}, {1156, 1156}, {1160, 1160}, {1144, 1144},
    {1164, 1164}, {1168, 1168}, {1152, 1152}, {1157, 1157}, {1161, 1161}, {1145, 1145}, {1149, 1149},
    {1165, 1165}, {1169, 1169}, {1153, 1153}, {1158, 1158}, {1162, 1162}, {1146, 1146}, {1150, 1150},
    {1166, 1166}, {1170, 1170}, {1154, 1154}, {1148, 1148}, {1171, 1171}, {1175, 1178}, {1182, 1184},
    {1179, 1179}, {1185, 1187}, {1180, 1180}, {1188, 1190}, {1181, 1181}, {1191, 1193}, {1196, 1197},
    {1194, 1195}, {1204, 1204}, {1207, 1207}, {1198, 1198}, {1201, 1201}, {1205, 1205}, {1208, 1208},
    {1199, 1199}, {1202, 1202}, {1206, 1206}, {1209, 1209}, {1200, 1200}, {1203, 1203}, {1172, 1172},
    {1210, 1213}, {1173, 1174}, {1215, 1216}, {1214, 1214}, {1240, 1240},
};

ExchangeEntry EntryFor(int control) {
    if (control == kUnitNumberControl) return {control, ExchangeKind::Integer, false, 0, 0, -1};
    const FieldLayout* f = FieldOfControl(control);
    // Every id in the order shows a field; the tests hold the table to that.
    if (!f) return {control, ExchangeKind::Text, false, 0, 0, -1};
    const ExchangeKind kind = f->kind == FieldKind::Flag      ? ExchangeKind::Check
                              : f->kind == FieldKind::Integer ? ExchangeKind::Integer
                                                              : ExchangeKind::Text;
    return {control, kind, f->hasRange, f->min, f->max, f->field};
}

const std::vector<ExchangeEntry>& Values() {
    static const std::vector<ExchangeEntry> values = [] {
        std::vector<ExchangeEntry> v;
        for (const Run& run : kOrder)
            for (int id = run.first; id <= run.last; ++id) v.push_back(EntryFor(id));
        return v;
    }();
    return values;
}

}  // namespace

std::span<const ExchangeEntry> ExchangeValues() { return Values(); }

std::span<const int> ExchangeControlObjects() { return kControlObjects; }

}  // namespace kelvor::form
