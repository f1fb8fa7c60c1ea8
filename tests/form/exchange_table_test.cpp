// The exchange order: which controls it walks, in what order, and that
// every value it checks carries its field's kind and range.
#include "form/exchange_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "form/record_layout.h"

namespace kelvor::form {
namespace {

std::vector<int> ValueIds() {
    std::vector<int> ids;
    for (const ExchangeEntry& e : ExchangeValues()) ids.push_back(e.controlId);
    return ids;
}

TEST(ExchangeTable, ValuesAreEveryEditAndCheckBoxOnceThenTheUnitNumber) {
    std::multiset<int> expected;
    for (const FieldLayout& f : RecordLayout())
        if (f.kind == FieldKind::Text || f.kind == FieldKind::Integer || f.kind == FieldKind::Flag)
            expected.insert(f.controlId);
    expected.insert(kUnitNumberControl);
    const std::vector<int> ids = ValueIds();
    EXPECT_EQ(std::multiset<int>(ids.begin(), ids.end()), expected);
    EXPECT_EQ(ids.size(), 177u);
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.back(), kUnitNumberControl);
}

TEST(ExchangeTable, ListsAreBoundAsObjectsOnly) {
    std::multiset<int> expected{1008};
    for (const FieldLayout& f : RecordLayout())
        if (f.kind == FieldKind::MovementClass || f.kind == FieldKind::TableValue) expected.insert(f.controlId);
    const auto objects = ExchangeControlObjects();
    EXPECT_EQ(std::multiset<int>(objects.begin(), objects.end()), expected);
    ASSERT_EQ(objects.size(), 18u);
    EXPECT_EQ(objects.front(), 1131);
    EXPECT_EQ(objects[12], 1029);
    EXPECT_EQ(objects[16], 1018);
    EXPECT_EQ(objects.back(), 1008);
    const std::vector<int> ids = ValueIds();
    for (int id : objects) EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 0) << id;
}

TEST(ExchangeTable, EachValueCarriesItsFieldsKindAndRange) {
    for (const ExchangeEntry& e : ExchangeValues()) {
        if (e.controlId == kUnitNumberControl) {
            EXPECT_EQ(e.field, -1);
            EXPECT_EQ(e.kind, ExchangeKind::Integer);
            EXPECT_FALSE(e.hasRange);
            continue;
        }
        const FieldLayout* f = FieldOfControl(e.controlId);
        ASSERT_NE(f, nullptr) << e.controlId;
        EXPECT_EQ(e.field, f->field);
        const ExchangeKind kind = f->kind == FieldKind::Flag      ? ExchangeKind::Check
                                  : f->kind == FieldKind::Integer ? ExchangeKind::Integer
                                                                  : ExchangeKind::Text;
        EXPECT_EQ(e.kind, kind) << e.controlId;
        EXPECT_EQ(e.hasRange, f->hasRange) << e.controlId;
        if (e.hasRange) {
            EXPECT_TRUE(e.min == f->min && e.max == f->max) << e.controlId;
        }
    }
}

TEST(ExchangeTable, OrderOfTheValues) {
    const std::vector<int> ids = ValueIds();
    auto at = [&](int id) { return std::find(ids.begin(), ids.end(), id) - ids.begin(); };
    // Runs that must stand back to back, in this order: a slip anywhere in
    // one of them changes which box a refusal stops at.
    const std::vector<std::vector<int>> runs = {
        {1011, 1012, 1022, 1023, 1034, 1025, 1035},
        {1042, 1027, 1031, 1060},
        {1080, 1081, 1047, 1083, 1084, 1082, 1048, 1050, 1049, 1051},
        {1053, 1066, 1065, 1067},
        {1086, 1092, 1088, 1093, 1089},
        {1115, 1097, 1101, 1105, 1116},
        {1119, 1109, 1098, 1102, 1106, 1110, 1120},
        {1123, 1099, 1103, 1107, 1111, 1124},
        {1127, 1087, 1132},
        {1135, 1139, 1140, 1136, 1137, 1141, 1142, 1138, 1155, 1159, 1143},
        {1166, 1170, 1154, 1148, 1171, 1175},
        {1193, 1196, 1197, 1194, 1195, 1204, 1207, 1198},
        {1200, 1203, 1172, 1210, 1211, 1212, 1213, 1173, 1174, 1215, 1216, 1214, 1240},
    };
    for (const auto& run : runs)
        for (std::size_t i = 1; i < run.size(); ++i)
            EXPECT_EQ(at(run[i]), at(run[i - 1]) + 1) << run[i - 1] << " then " << run[i];
    EXPECT_EQ(ids.front(), 1011);
    EXPECT_EQ(at(1240), static_cast<long>(ids.size()) - 1);
}

}  // namespace
}  // namespace kelvor::form
