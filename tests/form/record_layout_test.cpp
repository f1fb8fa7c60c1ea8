// The record layout: every field once, every control once, and the kinds,
// controls and ranges the form relies on where a slip in the table would
// go unnoticed by the form itself.
#include "form/record_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>

namespace kelvor::form {
namespace {

using K = FieldKind;

TEST(RecordLayout, EveryFieldOnceAndEveryControlShowsOneField) {
    const auto layout = RecordLayout();
    ASSERT_EQ(layout.size(), 194u);
    std::set<int> controls;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const FieldLayout& f = layout[i];
        EXPECT_EQ(f.field, static_cast<int>(i));
        if (f.field == 1) {
            EXPECT_EQ(f.kind, K::Marker);
            EXPECT_EQ(f.controlId, 0);
            EXPECT_EQ(FieldOfControl(0), nullptr);
            continue;
        }
        EXPECT_NE(f.kind, K::Marker) << f.field;
        EXPECT_TRUE(controls.insert(f.controlId).second) << "control " << f.controlId << " shows two fields";
        ASSERT_EQ(FieldOfControl(f.controlId), &f) << f.field;
        // Only integer fields carry a range, and a range is never empty.
        if (f.hasRange) {
            EXPECT_EQ(f.kind, K::Integer) << f.field;
            EXPECT_LT(f.min, f.max) << f.field;
        }
    }
    EXPECT_EQ(controls.size(), 193u);
    // Controls that show no field.
    for (int id : {1008, 1217, 1236, 1240, 1241, 1242, 1, 2, 9999}) EXPECT_EQ(FieldOfControl(id), nullptr) << id;
}

TEST(RecordLayout, HowManyFieldsOfEachKind) {
    std::map<K, int> count;
    for (const FieldLayout& f : RecordLayout()) ++count[f.kind];
    EXPECT_EQ(count[K::Text], 6);            // the name and five weapon names
    EXPECT_EQ(count[K::Flag], 10 + 9 + 35);  // abilities, supply, seven per weapon
    EXPECT_EQ(count[K::MovementClass], 6);
    EXPECT_EQ(count[K::TableValue], 4 + 2 + 5);
    EXPECT_EQ(count[K::Marker], 1);
    EXPECT_EQ(count[K::Integer], 116);
    // The movement-class row, in the order the form places it.
    const int movementLists[] = {1029, 1054, 1055, 1056, 1057, 1058};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(RecordLayout()[25 + i].controlId, movementLists[i]);
}

TEST(RecordLayout, WeaponBlocksRepeatOneShape) {
    const auto layout = RecordLayout();
    for (int w = 1; w < 5; ++w)
        for (int o = 0; o < 20; ++o) {
            const FieldLayout& first = layout[53 + o];
            const FieldLayout& f = layout[53 + 20 * w + o];
            EXPECT_EQ(f.kind, first.kind) << f.field;
            EXPECT_EQ(f.hasRange, first.hasRange) << f.field;
            EXPECT_EQ(f.max, first.max) << f.field;
        }
    EXPECT_EQ(layout[53].kind, K::Text);
    EXPECT_EQ(layout[64].kind, K::TableValue);
    EXPECT_EQ(layout[66].kind, K::Flag);
    EXPECT_EQ(layout[72].kind, K::Flag);
    // Weapon names, weapon-type lists and a column of the grid that is not in id order.
    const int names[] = {1048, 1070, 1072, 1085, 1086};
    const int types[] = {1071, 1128, 1129, 1130, 1131};
    const int seas[] = {1066, 1112, 1116, 1120, 1124};
    for (int w = 0; w < 5; ++w) {
        EXPECT_EQ(layout[53 + 20 * w].controlId, names[w]);
        EXPECT_EQ(layout[64 + 20 * w].controlId, types[w]);
        EXPECT_EQ(layout[60 + 20 * w].controlId, seas[w]);
    }
    // Weapons 2 to 5: Sea to Destruction in consecutive controls, the seven
    // check boxes every fourth control from 1143 on, one column per weapon.
    for (int w = 1; w < 5; ++w) {
        const int first = 53 + 20 * w;
        for (int o = 8; o <= 10; ++o) EXPECT_EQ(layout[first + o].controlId, layout[first + 7].controlId + o - 7);
        for (int o = 13; o <= 19; ++o) EXPECT_EQ(layout[first + o].controlId, 1142 + w + 4 * (o - 13)) << first + o;
    }
}

TEST(RecordLayout, RatingGridIsStoredColumnByColumn) {
    const auto layout = RecordLayout();
    struct Cell { int row, column, control; };
    for (const Cell c : {Cell{1, 1, 1171}, Cell{9, 1, 1197}, Cell{1, 2, 1175}, Cell{2, 1, 1178},
                         Cell{6, 3, 1199}, Cell{8, 4, 1206}, Cell{9, 4, 1209}})
        EXPECT_EQ(layout[153 + 9 * (c.column - 1) + (c.row - 1)].controlId, c.control) << c.row << "," << c.column;
    // Across a row, P2 to P4 stand in consecutive controls.
    for (int row = 0; row < 9; ++row)
        for (int column = 2; column < 4; ++column)
            EXPECT_EQ(layout[153 + 9 * column + row].controlId, layout[153 + 9 * (column - 1) + row].controlId + 1)
                << "row " << row + 1;
    const int rowMax[] = {999, 999, 999, 999, 999, 99, 99, 999, 99999};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 9; ++row) {
            const FieldLayout& f = layout[153 + 9 * column + row];
            EXPECT_TRUE(f.hasRange && f.min == 0 && f.max == rowMax[row]) << f.field;
        }
}

TEST(RecordLayout, RangesTheFormEnforces) {
    const auto layout = RecordLayout();
    struct Range { int field, min, max; };
    for (const Range r : {Range{2, 0, 255}, Range{7, 1, 10}, Range{8, 1, 255}, Range{19, 0, 99}, Range{24, 0, 1000000},
                          Range{38, 0, 99}, Range{48, 0, 99}, Range{49, 0, 4}, Range{50, 0, 999}, Range{51, 0, 999},
                          Range{54, 0, 99}, Range{63, 0, 99}, Range{65, 0, 99999}, Range{145, 0, 99999}}) {
        const FieldLayout& f = layout[r.field];
        EXPECT_TRUE(f.hasRange) << r.field;
        EXPECT_EQ(f.min, r.min) << r.field;
        EXPECT_EQ(f.max, r.max) << r.field;
    }
    // Integers any number goes into.
    for (int field : {52, 189, 190, 191, 192, 193}) {
        EXPECT_EQ(layout[field].kind, K::Integer) << field;
        EXPECT_FALSE(layout[field].hasRange) << field;
    }
    EXPECT_EQ(layout[50].controlId, 1082);
    EXPECT_EQ(layout[51].controlId, 1083);
    EXPECT_EQ(layout[189].controlId, 1173);
    EXPECT_EQ(layout[2].controlId, 1012);
}

TEST(RecordLayout, EveryFieldHasItsOwnNameAndTheCaptionBesideIt) {
    const auto layout = RecordLayout();
    std::set<std::string_view> names;
    for (const FieldLayout& f : layout) {
        EXPECT_FALSE(f.name.empty()) << f.field;
        EXPECT_TRUE(names.insert(f.name).second) << "two fields named " << f.name;
    }
    struct Named { int field; std::string_view name, caption; };
    for (const Named n : {Named{0, "Unit name", ""}, Named{8, "Durability", "耐久"}, Named{19, "Detection, High", "索敵 / 高"},
                          Named{42, "Supply ability 4", "補給 / ？"}, Named{50, "Transform target", "変"},
                          Named{53, "Weapon 1, Weapon name", ""}, Named{64, "Weapon 1, Weapon type", "武器タイプ"},
                          Named{98, "Weapon 3, Hard", "硬"}, Named{152, "Weapon 5, Move", "移"},
                          Named{153, "Rating P1, Weapon 1", "P1"}, Named{170, "Rating P2, Fuel", "P2 / 燃料"},
                          Named{187, "Rating P4, ECCM", "P4 / ECCM"}, Named{189, "Picture number", ""}}) {
        EXPECT_EQ(layout[n.field].name, n.name) << n.field;
        EXPECT_EQ(layout[n.field].caption, n.caption) << n.field;
    }
}

TEST(RecordLayout, TheFormTakesBackEveryEditAndCheckBoxOnceInItsExchangePlace) {
    const auto order = ExchangeOrder();
    std::set<int> seen;
    for (std::size_t place = 0; place < order.size(); ++place) {
        EXPECT_EQ(order[place]->exchangePlace, static_cast<int>(place));
        EXPECT_TRUE(seen.insert(order[place]->field).second) << order[place]->field;
    }
    for (const FieldLayout& f : RecordLayout()) {
        const bool box = f.kind == FieldKind::Text || f.kind == FieldKind::Integer || f.kind == FieldKind::Flag;
        EXPECT_EQ(seen.count(f.field) == 1, box) << f.field;
        if (!box) {
            EXPECT_EQ(f.exchangePlace, -1) << f.field;
        }
    }
    ASSERT_EQ(order.size(), 176u);
    EXPECT_EQ(order.front()->field, 0);  // the unit name first
}

}  // namespace
}  // namespace kelvor::form
