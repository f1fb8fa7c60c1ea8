// The reference buttons' look-up: a unit number names the first list entry
// whose line number is that number plus 2.
#include "form/unit_reference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kelvor::form {
namespace {

TEST(UnitReference, FindsTheFirstEntryOnTheUnitsLine) {
    // Item data as a table with headings and a line listed twice would never
    // give, to see that the first entry wins.
    const std::vector<std::int64_t> lines{3, 5, 7, 5, 2};
    const auto find = [&lines](int unitNumber) {
        return UnitListIndexOf(unitNumber, static_cast<int>(lines.size()),
                               [&lines](int i) { return lines[static_cast<std::size_t>(i)]; });
    };
    EXPECT_EQ(find(1), 0);
    EXPECT_EQ(find(3), 1);
    EXPECT_EQ(find(0), 4);
    EXPECT_EQ(find(2), -1);     // line 4 is no unit line
    EXPECT_EQ(find(999), -1);   // past the table
    EXPECT_EQ(UnitListIndexOf(1, 0, [](int) { return std::int64_t{3}; }), -1);
}

}  // namespace
}  // namespace kelvor::form
