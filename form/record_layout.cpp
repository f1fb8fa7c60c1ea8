#include "form/record_layout.h"

#include <array>
#include <deque>
#include <map>
#include <string>

#include "table/text_format.h"

namespace kelvor::form {

namespace {

using K = FieldKind;

struct FieldRow {
    K kind;
    int control;
    int min;
    int max;  // min > max: no range
    const char* name;
    const char* caption;  // "group / caption" inside a captioned group box
};
constexpr int kNone = 1, kNoMax = 0;  // an integer without a range

// Fields 0 to 52, one row each.
constexpr FieldRow kHead[] = {
    {K::Text, 1011, kNone, kNoMax, "Unit name", ""},
    {K::Marker, 0, kNone, kNoMax, "Record marker", ""},
    {K::Integer, 1012, 0, 255, "Flag number", "旗"},
    {K::TableValue, 1018, kNone, kNoMax, "Altitude class", "高度"},
    {K::TableValue, 1019, kNone, kNoMax, "Movement type", "移動型"},
    {K::TableValue, 1020, kNone, kNoMax, "Thinking type", "思考型"},
    {K::TableValue, 1021, kNone, kNoMax, "Unit type", "兵器型"},
    {K::Integer, 1022, 1, 10, "Formation", "編成"},
    {K::Integer, 1023, 1, 255, "Durability", "耐久"},
    {K::Flag, 1025, kNone, kNoMax, "Stealth", "ｽﾃﾙｽ"},
    {K::Flag, 1034, kNone, kNoMax, "Concealment", "隠蔽"},
    {K::Flag, 1035, kNone, kNoMax, "Submersible", "可潜"},
    {K::Flag, 1036, kNone, kNoMax, "Anti-submarine", "対潜"},
    {K::Flag, 1037, kNone, kNoMax, "Capture", "占領"},
    {K::Flag, 1038, kNone, kNoMax, "Repair", "修復"},
    {K::Flag, 1039, kNone, kNoMax, "Engineering", "工作"},
    {K::Flag, 1040, kNone, kNoMax, "Airborne", "空挺"},
    {K::Flag, 1041, kNone, kNoMax, "Production", "生産"},
    {K::Flag, 1042, kNone, kNoMax, "Hard armour", "装甲硬"},
    {K::Integer, 1172, 0, 99, "Detection, High", "索敵 / 高"},
    {K::Integer, 1210, 0, 99, "Detection, Low", "索敵 / 低"},
    {K::Integer, 1211, 0, 99, "Detection, Ground", "索敵 / 地"},
    {K::Integer, 1212, 0, 99, "Detection, Sea", "索敵 / 海"},
    {K::Integer, 1213, 0, 99, "Detection, Submerged", "索敵 / 潜"},
    {K::Integer, 1027, 0, 1000000, "Price", "価格"},
    {K::MovementClass, 1029, kNone, kNoMax, "Movement class 1", ""},
    {K::MovementClass, 1054, kNone, kNoMax, "Movement class 2", ""},
    {K::MovementClass, 1055, kNone, kNoMax, "Movement class 3", ""},
    {K::MovementClass, 1056, kNone, kNoMax, "Movement class 4", ""},
    {K::MovementClass, 1057, kNone, kNoMax, "Movement class 5", ""},
    {K::MovementClass, 1058, kNone, kNoMax, "Movement class 6", ""},
    {K::TableValue, 1030, kNone, kNoMax, "Extra type A", ""},
    {K::TableValue, 1059, kNone, kNoMax, "Extra type B", ""},
    {K::Integer, 1031, 0, 99, "Evasion, High", "回避 / 高"},
    {K::Integer, 1060, 0, 99, "Evasion, Low", "回避 / 低"},
    {K::Integer, 1061, 0, 99, "Evasion, Hard", "回避 / 硬"},
    {K::Integer, 1062, 0, 99, "Evasion, Soft", "回避 / 軟"},
    {K::Integer, 1063, 0, 99, "Evasion, Sea", "回避 / 海"},
    {K::Integer, 1064, 0, 99, "Evasion, Submerged", "回避 / 潜"},
    {K::Flag, 1033, kNone, kNoMax, "Tanker", "補給 / 給油機"},
    {K::Flag, 1073, kNone, kNoMax, "Supply vehicle", "補給 / 補給車"},
    {K::Flag, 1074, kNone, kNoMax, "Supply ship", "補給 / 補給艦"},
    {K::Flag, 1075, kNone, kNoMax, "Supply ability 4", "補給 / ？"},
    {K::Flag, 1076, kNone, kNoMax, "Supply ability 5", "補給 / ？"},
    {K::Flag, 1077, kNone, kNoMax, "Supply ability 6", "補給 / ？"},
    {K::Flag, 1078, kNone, kNoMax, "Carrier", "補給 / 空母"},
    {K::Flag, 1079, kNone, kNoMax, "Landing ship", "補給 / 揚陸艦"},
    {K::Flag, 1080, kNone, kNoMax, "Supply ability 9", "補給 / ？"},
    {K::Integer, 1047, 0, 99, "Box value L1", ""},
    {K::Integer, 1081, 0, 4, "Box value L2", ""},
    {K::Integer, 1082, 0, 999, "Transform target", "変"},
    {K::Integer, 1083, 0, 999, "ミ target", "ミ"},
    {K::Integer, 1084, kNone, kNoMax, "Box value L5", ""},
};
static_assert(std::size(kHead) == 53);

// A weapon block: 20 fields, the same kinds, ranges, names and captions
// (those of the grid's columns) in every block.
struct Offset {
    K kind;
    int min;
    int max;
    const char* name;
    const char* caption;
};
constexpr Offset kWeaponOffsets[20] = {
    {K::Text, kNone, kNoMax, "Weapon name", ""},
    {K::Integer, 0, 99, "Range", "射"},
    {K::Integer, 0, 99, "Fire", "火"},
    {K::Integer, 0, 99, "High", "高"},
    {K::Integer, 0, 99, "Low", "低"},
    {K::Integer, 0, 99, "Hard", "硬"},
    {K::Integer, 0, 99, "Soft", "軟"},
    {K::Integer, 0, 99, "Sea", "海"},
    {K::Integer, 0, 99, "Submerged", "潜"},
    {K::Integer, 0, 99, "Missile", "ミ"},
    {K::Integer, 0, 99, "Destruction", "破"},
    {K::TableValue, kNone, kNoMax, "Weapon type", "武器タイプ"},
    {K::Integer, 0, 99999, "Ammunition", "補給"},
    {K::Flag, kNone, kNoMax, "Direct", "直"},
    {K::Flag, kNone, kNoMax, "Indirect", "間"},
    {K::Flag, kNone, kNoMax, "Me", "メ"},
    {K::Flag, kNone, kNoMax, "Attack", "攻"},
    {K::Flag, kNone, kNoMax, "Defence", "防"},
    {K::Flag, kNone, kNoMax, "E", "Ｅ"},
    {K::Flag, kNone, kNoMax, "Move", "移"},
};
constexpr int kWeaponControls[5][20] = {
    {1048, 1049, 1050, 1051, 1052, 1053, 1065, 1066, 1067, 1068, 1069, 1071, 1087, 1136, 1137, 1138, 1139, 1140, 1141, 1142},
    {1070, 1088, 1092, 1096, 1100, 1104, 1108, 1112, 1113, 1114, 1115, 1128, 1132, 1143, 1147, 1151, 1155, 1159, 1163, 1167},
    {1072, 1089, 1093, 1097, 1101, 1105, 1109, 1116, 1117, 1118, 1119, 1129, 1133, 1144, 1148, 1152, 1156, 1160, 1164, 1168},
    {1085, 1090, 1094, 1098, 1102, 1106, 1110, 1120, 1121, 1122, 1123, 1130, 1134, 1145, 1149, 1153, 1157, 1161, 1165, 1169},
    {1086, 1091, 1095, 1099, 1103, 1107, 1111, 1124, 1125, 1126, 1127, 1131, 1135, 1146, 1150, 1154, 1158, 1162, 1166, 1170},
};

// The rating grid: nine rows (weapons 1 to 5, movement, high speed, ECCM,
// fuel) by four columns captioned "P1" to "P4"; the file keeps it column by
// column. The weapon rows have no caption of their own: they stand in line
// with the weapon grid.
struct RatingRow {
    int max;
    const char* name;
    const char* caption;
};
constexpr RatingRow kRatingRows[9] = {
    {999, "Weapon 1", ""}, {999, "Weapon 2", ""},     {999, "Weapon 3", ""},  {999, "Weapon 4", ""},
    {999, "Weapon 5", ""}, {99, "Movement", "移動"}, {99, "High speed", "高速"}, {999, "ECCM", "ECCM"},
    {99999, "Fuel", "燃料"},
};
constexpr int kRatingControls[9][4] = {
    {1171, 1175, 1176, 1177}, {1178, 1182, 1183, 1184}, {1179, 1185, 1186, 1187},
    {1180, 1188, 1189, 1190}, {1181, 1191, 1192, 1193}, {1194, 1198, 1199, 1200},
    {1195, 1201, 1202, 1203}, {1196, 1204, 1205, 1206}, {1197, 1207, 1208, 1209},
};

// Fields 189 to 193: the picture number and four more, without ranges or captions.
constexpr int kTailControls[5] = {1173, 1174, 1214, 1215, 1216};
constexpr const char* kTailNames[5] = {"Picture number", "Box value R2", "Box value R3", "Box value R4", "Box value R5"};

// The fields of the edit and check boxes in the order the form takes them
// back: the header row, the abilities, the supply flags and the reference
// boxes, then the weapon grid (a column of every row at a time where the
// boxes stand in columns) and the rating grid row by row, the detection and
// the tail. A slip here changes which box a refusal stops at.
constexpr int kExchangeOrder[] = {
    0,   2,   7,   8,   10,  9,   11,  12,  13,  14,  15,  16,  17,  18,  24,  33,  34,  35,  36,  37,
    38,  39,  40,  41,  42,  43,  44,  45,  46,  47,  49,  48,  51,  52,  50,  53,  55,  54,  56,  57,
    58,  60,  59,  61,  62,  63,  73,  93,  113, 133, 75,  74,  95,  94,  115, 114, 135, 134, 76,  77,
    78,  79,  80,  81,  82,  83,  96,  97,  98,  100, 101, 102, 103, 99,  116, 117, 118, 119, 120, 121,
    122, 123, 136, 137, 138, 139, 140, 141, 142, 143, 65,  85,  105, 125, 145, 69,  70,  66,  67,  71,
    72,  68,  89,  90,  86,  87,  91,  92,  88,  109, 110, 106, 111, 112, 108, 129, 130, 126, 127, 131,
    132, 128, 149, 150, 146, 147, 151, 152, 148, 107, 153, 162, 171, 180, 154, 163, 172, 181, 155, 164,
    173, 182, 156, 165, 174, 183, 157, 166, 175, 184, 160, 161, 158, 159, 169, 170, 167, 168, 178, 179,
    176, 177, 187, 188, 185, 186, 19,  20,  21,  22,  23,  189, 190, 192, 193, 191,
};

// The texts of composed names and captions ("Weapon 2, Range", "P3 / 燃料"),
// made once and kept for the program's life.
std::string_view Keep(std::string text) {
    static std::deque<std::string> kept;
    return kept.emplace_back(std::move(text));
}

FieldLayout Make(int field, K kind, int control, int min, int max, std::string_view name, std::string_view caption) {
    const bool ranged = kind == K::Integer && min <= max;
    return {field, kind, control, ranged, ranged ? min : 0, ranged ? max : 0, -1, name, caption};
}

std::array<FieldLayout, table::kFieldCount> Build() {
    std::array<FieldLayout, table::kFieldCount> out{};
    for (int f = 0; f < 53; ++f) {
        const FieldRow& r = kHead[f];
        out[f] = Make(f, r.kind, r.control, r.min, r.max, r.name, r.caption);
    }
    for (int w = 0; w < 5; ++w)
        for (int o = 0; o < 20; ++o) {
            const int f = 53 + 20 * w + o;
            const Offset& r = kWeaponOffsets[o];
            out[f] = Make(f, r.kind, kWeaponControls[w][o], r.min, r.max,
                          Keep("Weapon " + std::to_string(w + 1) + ", " + r.name), r.caption);
        }
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 9; ++row) {
            const int f = 153 + 9 * column + row;
            const RatingRow& r = kRatingRows[row];
            const std::string p = "P" + std::to_string(column + 1);
            out[f] = Make(f, K::Integer, kRatingControls[row][column], 0, r.max, Keep("Rating " + p + ", " + r.name),
                          Keep(*r.caption ? p + " / " + r.caption : p));
        }
    for (int i = 0; i < 5; ++i) out[189 + i] = Make(189 + i, K::Integer, kTailControls[i], kNone, kNoMax, kTailNames[i], "");
    for (int place = 0; place < static_cast<int>(std::size(kExchangeOrder)); ++place)
        out[static_cast<std::size_t>(kExchangeOrder[place])].exchangePlace = place;
    return out;
}
const std::array<FieldLayout, table::kFieldCount>& Layout() {
    static const auto layout = Build();
    return layout;
}

}  // namespace

std::span<const FieldLayout> RecordLayout() { return Layout(); }

std::span<const FieldLayout* const> ExchangeOrder() {
    static const auto order = [] {
        std::array<const FieldLayout*, std::size(kExchangeOrder)> fields{};
        for (std::size_t place = 0; place < fields.size(); ++place)
            fields[place] = &Layout()[static_cast<std::size_t>(kExchangeOrder[place])];
        return fields;
    }();
    return order;
}

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
