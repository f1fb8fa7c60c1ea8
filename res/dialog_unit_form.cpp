// Dialog 102, the unit form. The controls are listed in template order,
// which is the tab order: first everything that takes the focus, then the
// labels, group boxes and the picture frame. The regular blocks (weapon
// rows, rating grid, column headings) are laid out from small tables.
#include <vector>

#include "res/unit_form_template.h"

namespace kelvor::res {

namespace {

using K = ControlKind;

constexpr std::uint32_t kNumberEdit = kBorder | kTabStop | kAutoHScroll | kAlignRight;
constexpr std::uint32_t kTextEdit = kBorder | kTabStop | kAutoHScroll;
constexpr std::uint32_t kDropDown = kVScroll | kTabStop;
constexpr std::uint32_t kCheck = kTabStop;
constexpr std::uint32_t kHeading = kAlignCenter | kCenterVertical;
constexpr std::uint32_t kLabel = kCenterVertical;

// Header row: labels at y = 15 over controls at y = 25, height 12.
struct HeaderCell {
    int id;
    K kind;
    std::uint32_t style;
    int x;
    int cx;
    const char* label;  // empty: none
};
constexpr HeaderCell kHeaderRow[] = {
    {1011, K::Edit, kTextEdit, 125, 110, ""},         {1012, K::Edit, kNumberEdit, 235, 20, "旗"},
    {1022, K::Edit, kNumberEdit, 255, 20, "編成"},    {1023, K::Edit, kNumberEdit, 275, 20, "耐久"},
    {1027, K::Edit, kNumberEdit, 295, 25, "価格"},    {1018, K::ComboBox, kDropDown, 320, 30, "高度"},
    {1019, K::ComboBox, kDropDown, 350, 45, "移動型"}, {1020, K::ComboBox, kDropDown, 395, 55, "思考型"},
    {1021, K::ComboBox, kDropDown, 450, 60, "兵器型"},
};

// Second row of drop-down lists, y = 40, no labels.
struct Cell {
    int id;
    int x;
    int cx;
};
constexpr Cell kSecondRow[] = {{1029, 125, 45}, {1054, 170, 45}, {1055, 215, 45}, {1056, 260, 45},
                               {1057, 305, 45}, {1058, 350, 45}, {1030, 395, 55}, {1059, 450, 60}};

// Weapon rows, left to right: name, ten numbers, ammunition, weapon type,
// seven check boxes.
constexpr int kWeaponRowY[5] = {65, 80, 95, 110, 125};
// The weapon-type lists of rows 2 and 4 sit one unit lower than their rows.
constexpr int kWeaponTypeY[5] = {65, 81, 95, 111, 125};
constexpr int kWeaponIds[5][20] = {
    {1048, 1049, 1050, 1051, 1052, 1053, 1065, 1066, 1067, 1068, 1069, 1087, 1071, 1136, 1137, 1138, 1139, 1140, 1141, 1142},
    {1070, 1088, 1092, 1096, 1100, 1104, 1108, 1112, 1113, 1114, 1115, 1132, 1128, 1143, 1147, 1151, 1155, 1159, 1163, 1167},
    {1072, 1089, 1093, 1097, 1101, 1105, 1109, 1116, 1117, 1118, 1119, 1133, 1129, 1144, 1148, 1152, 1156, 1160, 1164, 1168},
    {1085, 1090, 1094, 1098, 1102, 1106, 1110, 1120, 1121, 1122, 1123, 1134, 1130, 1145, 1149, 1153, 1157, 1161, 1165, 1169},
    {1086, 1091, 1095, 1099, 1103, 1107, 1111, 1124, 1125, 1126, 1127, 1135, 1131, 1146, 1150, 1154, 1158, 1162, 1166, 1170},
};
struct Column {
    int x;
    int cx;
    K kind;
    std::uint32_t style;
    const char* heading;
    std::uint32_t headingStyle;
};
constexpr Column kWeaponColumns[20] = {
    {125, 90, K::Edit, kTextEdit, "", 0},
    {215, 10, K::Edit, kNumberEdit, "射", kHeading},
    {225, 10, K::Edit, kNumberEdit, "火", kHeading},
    {235, 10, K::Edit, kNumberEdit, "高", kHeading},
    {245, 10, K::Edit, kNumberEdit, "低", kHeading},
    {255, 10, K::Edit, kNumberEdit, "硬", kHeading},
    {265, 10, K::Edit, kNumberEdit, "軟", kHeading},
    {275, 10, K::Edit, kNumberEdit, "海", kHeading},
    {285, 10, K::Edit, kNumberEdit, "潜", kHeading},
    {295, 10, K::Edit, kNumberEdit, "ミ", kHeading},
    {305, 10, K::Edit, kNumberEdit, "破", kHeading},
    {315, 20, K::Edit, kNumberEdit, "補給", kLabel},
    {335, 45, K::ComboBox, kDropDown, "武器タイプ", kLabel},
    {380, 8, K::CheckBox, kCheck, "直", kHeading},
    {390, 8, K::CheckBox, kCheck, "間", kHeading},
    {400, 8, K::CheckBox, kCheck, "メ", kHeading},
    {410, 8, K::CheckBox, kCheck, "攻", kHeading},
    {420, 8, K::CheckBox, kCheck, "防", kHeading},
    {430, 8, K::CheckBox, kCheck, "Ｅ", kHeading},
    {440, 8, K::CheckBox, kCheck, "移", kHeading},
};

// Rating grid: nine rows by four columns, laid out column by column.
constexpr int kRatingY[9] = {65, 80, 95, 110, 125, 141, 157, 171, 187};
constexpr int kRatingX[4] = {450, 465, 480, 495};
constexpr int kRatingIds[9][4] = {
    {1171, 1175, 1176, 1177}, {1178, 1182, 1183, 1184}, {1179, 1185, 1186, 1187},
    {1180, 1188, 1189, 1190}, {1181, 1191, 1192, 1193}, {1194, 1198, 1199, 1200},
    {1195, 1201, 1202, 1203}, {1196, 1204, 1205, 1206}, {1197, 1207, 1208, 1209},
};
struct RowLabel {
    const char* text;
    int y;
};
constexpr RowLabel kRatingRowLabels[] = {{"移動", 140}, {"高速", 155}, {"ECCM", 170}, {"燃料", 185}};

// A captioned column of one-character labels with small number edits.
struct SmallEdit {
    const char* label;
    int id;
    int y;
};
constexpr SmallEdit kDetection[] = {{"高", 1172, 150}, {"低", 1210, 160}, {"地", 1211, 170}, {"海", 1212, 180}, {"潜", 1213, 190}};
constexpr SmallEdit kEvasion[] = {{"高", 1031, 220}, {"低", 1060, 230}, {"硬", 1061, 240},
                                  {"軟", 1062, 250}, {"海", 1063, 260}, {"潜", 1064, 270}};

// Check boxes with text, by column.
struct TextCheck {
    const char* text;
    int id;
    int x;
    int y;
};
constexpr TextCheck kAbilities[] = {
    {"ｽﾃﾙｽ", 1025, 360, 150}, {"隠蔽", 1034, 360, 160}, {"可潜", 1035, 360, 170}, {"対潜", 1036, 360, 180},
    {"占領", 1037, 360, 190}, {"修復", 1038, 395, 150}, {"工作", 1039, 395, 160}, {"空挺", 1040, 395, 170},
    {"生産", 1041, 395, 180}, {"装甲硬", 1042, 395, 190},
};
constexpr TextCheck kSupply[] = {
    {"給油機", 1033, 360, 220}, {"補給車", 1073, 360, 230}, {"補給艦", 1074, 360, 240}, {"？", 1075, 360, 250},
    {"？", 1076, 360, 260},     {"？", 1077, 360, 270},     {"空母", 1078, 395, 220},   {"揚陸艦", 1079, 395, 230},
    {"？", 1080, 395, 240},
};
constexpr int kTextCheckWidth = 33;

// The reference box: two columns of five number edits.
constexpr int kReferenceIds[2][5] = {{1047, 1081, 1082, 1083, 1084}, {1173, 1174, 1214, 1215, 1216}};
constexpr int kReferenceX[2] = {450, 485};

std::vector<ControlTemplate> BuildControls() {
    std::vector<ControlTemplate> c;
    c.reserve(330);
    auto add = [&c](int id, K kind, const char* text, int x, int y, int cx, int cy, std::uint32_t style) {
        c.push_back(ControlTemplate{id, kind, text, x, y, cx, cy, style});
    };

    // Everything that takes the focus, in tab order.
    add(1008, K::ListBox, "", 5, 10, 110, 280, kTabStop | kBorder | kVScroll | kNotify | kNoIntegralHeight);
    add(1240, K::Edit, "", 125, 15, 25, 10, kNumberEdit | kReadOnly);
    for (const HeaderCell& cell : kHeaderRow) add(cell.id, cell.kind, "", cell.x, 25, cell.cx, 12, cell.style);
    for (const Cell& cell : kSecondRow) add(cell.id, K::ComboBox, "", cell.x, 40, cell.cx, 12, kDropDown);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 20; ++col) {
            const Column& column = kWeaponColumns[col];
            const int y = column.kind == K::ComboBox ? kWeaponTypeY[row] : kWeaponRowY[row];
            add(kWeaponIds[row][col], column.kind, "", column.x, y, column.cx, column.kind == K::CheckBox ? 8 : 12,
                column.style);
        }
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 9; ++row)
            add(kRatingIds[row][col], K::Edit, "", kRatingX[col], kRatingY[row], 15, 12, kNumberEdit);
    for (const SmallEdit& e : kDetection) add(e.id, K::Edit, "", 335, e.y, 10, 10, kNumberEdit);
    for (const SmallEdit& e : kEvasion) add(e.id, K::Edit, "", 335, e.y, 10, 10, kNumberEdit);
    for (const TextCheck& t : kAbilities) add(t.id, K::CheckBox, t.text, t.x, t.y, kTextCheckWidth, 8, kCheck);
    for (const TextCheck& t : kSupply) add(t.id, K::CheckBox, t.text, t.x, t.y, kTextCheckWidth, 8, kCheck);
    for (int col = 0; col < 2; ++col)
        for (int row = 0; row < 5; ++row)
            add(kReferenceIds[col][row], K::Edit, "", kReferenceX[col], 210 + 10 * row, 20, 10, kNumberEdit);
    add(1241, K::PushButton, "変", 440, 230, 10, 10, kTabStop);
    add(1242, K::PushButton, "ミ", 440, 240, 10, 20, kTabStop);
    add(1217, K::PushButton, "適用", 435, 270, 75, 15, kTabStop);
    add(1, K::PushButton, "OK", 410, 295, 50, 14, kTabStop | kDefault | kHidden | kDisabled);
    add(2, K::PushButton, "ｷｬﾝｾﾙ", 465, 295, 50, 14, kTabStop);

    // Labels, group boxes and the picture frame.
    add(-1, K::GroupBox, "兵器情報", 120, 5, 395, 285, 0);
    for (const HeaderCell& cell : kHeaderRow)
        if (*cell.label) add(-1, K::Label, cell.label, cell.x, 15, cell.cx, 10, kLabel);
    for (const Column& column : kWeaponColumns) {
        if (!*column.heading) continue;
        const int cx = column.kind == K::CheckBox ? 10 : column.cx;
        add(-1, K::Label, column.heading, column.x, 55, cx, 10, column.headingStyle);
    }
    const char* const ratingHeadings[4] = {"P1", "P2", "P3", "P4"};
    for (int col = 0; col < 4; ++col) add(-1, K::Label, ratingHeadings[col], kRatingX[col], 55, 15, 10, kHeading);
    for (const RowLabel& label : kRatingRowLabels)
        add(-1, K::Label, label.text, 430, label.y, 20, 15, kAlignRight | kCenterVertical);
    add(1236, K::Frame, "", 125, 140, 190, 145, kBlackFrame | kSunken);
    add(-1, K::GroupBox, "索敵", 320, 140, 30, 65, 0);
    for (const SmallEdit& e : kDetection) add(-1, K::Label, e.label, 325, e.y, 10, 10, kHeading);
    add(-1, K::GroupBox, "回避", 320, 210, 30, 75, 0);
    for (const SmallEdit& e : kEvasion) add(-1, K::Label, e.label, 325, e.y, 10, 10, kHeading);
    add(-1, K::GroupBox, "特殊能力", 355, 140, 75, 65, 0);
    add(-1, K::GroupBox, "補給", 355, 210, 75, 75, 0);
    add(-1, K::GroupBox, "", 435, 200, 75, 65, 0);
    return c;
}

}  // namespace

std::span<const ControlTemplate> UnitFormControls() {
    static const std::vector<ControlTemplate> controls = BuildControls();
    return controls;
}

const DialogTemplate& UnitFormTemplate() {
    static const DialogTemplate form{kIdUnitForm, "Halvane ユニットエディタ", 519, 315, "ＭＳ Ｐゴシック", 9,
                                     kIdMainMenu, true, true, UnitFormControls()};
    return form;
}

}  // namespace kelvor::res
