// Invariants of the unit form's template (dialog 102): its ids, its tab
// order, where its controls stand and what kind of control each one is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "res/control_ids.h"
#include "res/resources.h"

namespace kelvor::res {
namespace {

using C = ControlTemplate;
std::span<const C> Form() { return FindDialog(kIdUnitForm)->controls; }

bool TakesFocus(const C& c) {
    using K = ControlKind;
    return c.kind != K::Label && c.kind != K::GroupBox && c.kind != K::Icon && c.kind != K::Frame;
}
bool Inside(const C& c, const C& box) {
    return c.x >= box.x && c.y >= box.y && c.x + c.cx <= box.x + box.cx && c.y + c.cy <= box.y + box.cy;
}
bool Overlap(const C& a, const C& b) { return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy; }

std::vector<C> Focusable() {
    std::vector<C> out;
    std::copy_if(Form().begin(), Form().end(), std::back_inserter(out), TakesFocus);
    return out;
}
const C& Find(auto match) {
    const auto it = std::find_if(Form().begin(), Form().end(), match);
    return it == Form().end() ? (ADD_FAILURE() << "no such control", Form()[0]) : *it;
}
const C& ById(int id) { return Find([id](const C& c) { return c.id == id; }); }
const C& Group(const std::string& text) {
    return Find([&](const C& c) { return c.kind == ControlKind::GroupBox && c.text == text; });
}

// Ids written as runs: {first, count, step}.
struct Run {
    int first, count = 1, step = 1;
};
std::vector<int> Ids(std::initializer_list<Run> runs) {
    std::vector<int> ids;
    for (const Run& r : runs)
        for (int i = 0; i < r.count; ++i) ids.push_back(r.first + i * r.step);
    return ids;
}

// List, number, header row, second row; weapon rows 1 to 5; rating grid P1
// to P4, each top to bottom; 索敵, 回避, 特殊能力, 補給, reference box; buttons.
const std::vector<int> kTabOrder = Ids({
    {1008}, {1240}, {1011, 2}, {1022, 2}, {1027}, {1018, 4}, {1029}, {1054, 5}, {1030}, {1059},
    {1048, 6}, {1065, 5}, {1087}, {1071}, {1136, 7},
    {1070}, {1088, 6, 4}, {1112, 4}, {1132}, {1128}, {1143, 7, 4},
    {1072}, {1089, 6, 4}, {1116, 4}, {1133}, {1129}, {1144, 7, 4},
    {1085}, {1090, 6, 4}, {1120, 4}, {1134}, {1130}, {1145, 7, 4},
    {1086}, {1091, 6, 4}, {1124, 4}, {1135}, {1131}, {1146, 7, 4},
    {1171}, {1178, 4}, {1194, 4}, {1175}, {1182, 4, 3}, {1198, 4, 3},
    {1176}, {1183, 4, 3}, {1199, 4, 3}, {1177}, {1184, 4, 3}, {1200, 4, 3},
    {1172}, {1210, 4}, {1031}, {1060, 5}, {1025}, {1034, 9}, {1033}, {1073, 8},
    {1047}, {1081, 4}, {1173, 2}, {1214, 3}, {1241, 2}, {1217}, {1}, {2},
});
constexpr int kWeaponRows = 19, kRatingGrid = 119;  // where they start among the focusable controls

TEST(UnitFormTemplate, IdsAreUniqueAndExactlyTheLayoutsOnes) {
    std::vector<int> ids;
    for (const C& c : Form()) {
        if (c.id != -1) ids.push_back(c.id);
        else EXPECT_FALSE(TakesFocus(c)) << c.text;
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "an id is used twice";
    EXPECT_EQ(ids, Ids({{1, 2}, {1008}, {1011, 2}, {1018, 6}, {1025}, {1027}, {1029, 3}, {1033, 10}, {1047, 171},
                        {1236}, {1240, 3}}));
}

TEST(UnitFormTemplate, TabOrderIsTheDocumentedOneAndStaticsComeLast) {
    std::vector<int> order;
    for (const C& c : Focusable()) order.push_back(c.id);
    EXPECT_EQ(order, kTabOrder);
    const auto firstStatic = std::find_if_not(Form().begin(), Form().end(), TakesFocus);
    EXPECT_TRUE(std::none_of(firstStatic, Form().end(), TakesFocus)) << "a focusable control follows a static";
    for (const C& c : Form()) EXPECT_EQ(TakesFocus(c), (c.style & kTabStop) != 0) << c.id << c.text;
}

TEST(UnitFormTemplate, RowsRunLeftToRightAndTheRatingGridTopToBottom) {
    const std::vector<C> f = Focusable();
    ASSERT_EQ(f.size(), kTabOrder.size());
    auto row = [&](int start, int count, int y) {
        for (int i = start; i < start + count; ++i) {
            const bool lower = f[i].kind == ControlKind::ComboBox && (y == 80 || y == 110);  // weapon rows 2, 4
            EXPECT_EQ(f[i].y, lower ? y + 1 : y) << f[i].id;
            if (i > start) {
                EXPECT_GT(f[i].x, f[i - 1].x) << f[i].id << " stands left of the control before it";
            }
        }
    };
    row(2, 9, 25);
    row(11, 8, 40);
    for (int r = 0; r < 5; ++r) row(kWeaponRows + 20 * r, 20, 65 + 15 * r);

    const int ratingY[9] = {65, 80, 95, 110, 125, 141, 157, 171, 187};
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(f[kRatingGrid + i].x, 450 + 15 * (i / 9)) << f[kRatingGrid + i].id;
        EXPECT_EQ(f[kRatingGrid + i].y, ratingY[i % 9]) << f[kRatingGrid + i].id;
    }
    // Rows 6 to 9: a right-aligned label ending at the edit, centred on it within half a unit.
    for (int r = 5; r < 9; ++r) {
        const C& edit = f[kRatingGrid + r];
        const C& label = Find([&](const C& l) {
            return l.kind == ControlKind::Label && l.x + l.cx == edit.x && std::abs(l.y - edit.y) < 5;
        });
        EXPECT_TRUE(label.style & kAlignRight) << label.text;
        EXPECT_LE(std::abs(2 * label.y + label.cy - 2 * edit.y - edit.cy), 1) << label.text;
    }
}

TEST(UnitFormTemplate, ControlsStayInTheirBoxesAndFocusableOnesNeverOverlap) {
    const C client{0, ControlKind::Frame, "", 0, 0, 519, 315, 0};
    const C& outer = Group("兵器情報");
    for (const C& c : Form()) {
        EXPECT_TRUE(Inside(c, client)) << c.id << c.text;
        if (&c != &outer && c.id != kIdUnitList && c.id != kIdOk && c.id != kIdCancel) {
            EXPECT_TRUE(Inside(c, outer)) << c.id << c.text;
        }
    }
    const std::map<std::string, std::vector<int>> groups = {
        {"索敵", Ids({{1172}, {1210, 4}})}, {"回避", Ids({{1031}, {1060, 5}})}, {"特殊能力", Ids({{1025}, {1034, 9}})},
        {"補給", Ids({{1033}, {1073, 8}})}, {"", Ids({{1047}, {1081, 4}, {1173, 2}, {1214, 3}, {1241, 2}})}};
    for (const auto& [caption, ids] : groups) {
        for (int id : ids) EXPECT_TRUE(Inside(ById(id), Group(caption))) << id << " outside " << caption;
    }

    const std::vector<C> f = Focusable();
    for (std::size_t i = 0; i < f.size(); ++i)
        for (std::size_t j = i + 1; j < f.size(); ++j) EXPECT_FALSE(Overlap(f[i], f[j])) << f[i].id << " / " << f[j].id;

    // 変 stands beside edit 1082; ミ beside 1083 and reaches down the row of 1084.
    auto beside = [](const C& button, const C& top, const C& bottom) {
        return button.x + button.cx == top.x && button.y == top.y && button.y + button.cy == bottom.y + bottom.cy;
    };
    EXPECT_TRUE(beside(ById(kIdJumpTransform), ById(1082), ById(1082)));
    EXPECT_TRUE(beside(ById(kIdJumpMi), ById(1083), ById(1084)));
}

TEST(UnitFormTemplate, EachKindCarriesItsStyle) {
    const std::set<int> textEdits = {1011, 1048, 1070, 1072, 1085, 1086};
    constexpr std::uint32_t kEdit = kBorder | kTabStop | kAutoHScroll, kDropDown = kVScroll | kTabStop;
    std::vector<int> dropDowns, defaults;
    int checks = 0;
    for (const C& c : Form()) {
        if (c.kind == ControlKind::Edit) {
            EXPECT_EQ(c.style & kEdit, kEdit) << c.id;
            EXPECT_EQ((c.style & kAlignRight) == 0, textEdits.count(c.id) == 1) << c.id;
            EXPECT_EQ((c.style & kReadOnly) != 0, c.id == kIdUnitNumber) << c.id;
        } else if (c.kind == ControlKind::ComboBox) {
            dropDowns.push_back(c.id);
            EXPECT_EQ(c.style & kDropDown, kDropDown) << c.id;
            EXPECT_EQ(c.cy, 12) << c.id;
        } else if (c.kind == ControlKind::PushButton) {
            if (c.style & kDefault) defaults.push_back(c.id);
            EXPECT_EQ(c.style & (kHidden | kDisabled), c.id == kIdOk ? kHidden | kDisabled : 0u) << c.id;
        }
        checks += c.kind == ControlKind::CheckBox;
    }
    std::sort(dropDowns.begin(), dropDowns.end());
    EXPECT_EQ(dropDowns, Ids({{1018, 4}, {1029, 2}, {1054, 6}, {1071}, {1128, 4}}));
    EXPECT_EQ(checks, 54);
    EXPECT_EQ(defaults, std::vector<int>{kIdOk});
    EXPECT_EQ(ById(kIdUnitList).style, kTabStop | kBorder | kVScroll | kNotify | kNoIntegralHeight);
    EXPECT_EQ(ById(kIdPicturePanel).kind, ControlKind::Frame);
    EXPECT_EQ(ById(kIdPicturePanel).style & (kBlackFrame | kSunken), kBlackFrame | kSunken);
}

TEST(UnitFormTemplate, CaptionedControlsHaveTheirOwnTexts) {
    const std::map<int, std::string> captions = {
        {1025, "ｽﾃﾙｽ"}, {1034, "隠蔽"}, {1035, "可潜"}, {1036, "対潜"}, {1037, "占領"}, {1038, "修復"},
        {1039, "工作"}, {1040, "空挺"}, {1041, "生産"}, {1042, "装甲硬"}, {1033, "給油機"}, {1073, "補給車"},
        {1074, "補給艦"}, {1075, "？"}, {1076, "？"}, {1077, "？"}, {1078, "空母"}, {1079, "揚陸艦"},
        {1080, "？"}, {1241, "変"}, {1242, "ミ"}, {1217, "適用"}, {kIdOk, "OK"}, {kIdCancel, "ｷｬﾝｾﾙ"}};
    std::map<int, std::string> headings;  // over the weapon and rating grids, by x
    for (const C& c : Form()) {
        if (c.kind == ControlKind::Label && c.y == 55) headings[c.x] = c.text;
        const auto it = captions.find(c.id);
        if (c.id != -1) {
            EXPECT_EQ(c.text, it == captions.end() ? std::string() : it->second) << c.id;
        }
    }
    std::string row;
    for (const auto& [x, text] : headings) row += text + ' ';
    EXPECT_EQ(row, "射 火 高 低 硬 軟 海 潜 ミ 破 補給 武器タイプ 直 間 メ 攻 防 Ｅ 移 P1 P2 P3 P4 ");
}

}  // namespace
}  // namespace kelvor::res
