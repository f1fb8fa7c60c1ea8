// The units of a table as the unit list and the search see them.
#include "table/unit_index.h"

#include <gtest/gtest.h>

namespace kelvor::table {
namespace {

TEST(UnitIndex, RowsKeepTheirLineAndNameThroughRenamesLongerAndShorter) {
    UnitIndex units;
    units.Add(3, "Tank");
    units.Add(5, std::string("\x83\x5C\x98\x41", 4));  // bytes kept as they are
    units.Add(7, "");
    ASSERT_EQ(units.Count(), 3);
    EXPECT_EQ(units.LineNumber(1), 5);
    EXPECT_EQ(units.Name(1), std::string("\x83\x5C\x98\x41", 4));
    EXPECT_EQ(units.RowOfLine(7), 2);
    EXPECT_EQ(units.RowOfLine(4), -1);

    units.Rename(0, "Heavy tank");  // longer: the other names stay
    units.Rename(1, "J");           // shorter
    units.Rename(2, "Jeep");
    EXPECT_EQ(units.Name(0), "Heavy tank");
    EXPECT_EQ(units.Name(1), "J");
    EXPECT_EQ(units.Name(2), "Jeep");
    EXPECT_EQ(units.LineNumber(0), 3);

    units.Clear();
    EXPECT_EQ(units.Count(), 0);
}

}  // namespace
}  // namespace kelvor::table
