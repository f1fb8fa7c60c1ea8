// Which unit a search shows: the passes below the selection and round from
// the top, and matches that start only on character boundaries.
#include "search/unit_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvor::search {
namespace {

int Find(const std::vector<std::string>& names, int current, const std::string& text) {
    return FindNextUnit(static_cast<int>(names.size()), current, text,
                        [&names](int i) { return names.at(static_cast<std::size_t>(i)); });
}

TEST(UnitSearch, LooksBelowTheSelectionThenFromTheTopWithTheSelectionLast) {
    const std::vector<std::string> names{"Tank", "Jeep", "Tank II", "Scout", "Light Tank"};
    EXPECT_EQ(Find(names, -1, "Tank"), 0);  // nothing selected: from the first
    EXPECT_EQ(Find(names, 0, "Tank"), 2);
    EXPECT_EQ(Find(names, 2, "Tank"), 4);   // ends of names match
    EXPECT_EQ(Find(names, 4, "Tank"), 0);   // the last selected: round to the top
    EXPECT_EQ(Find(names, 3, "Sc"), 3);     // the only match is the selection itself
    EXPECT_EQ(Find(names, 1, "Jeep"), 1);
    EXPECT_EQ(Find(names, 1, "tank"), -1);  // letter case counts
    EXPECT_EQ(Find(names, 0, "Tanks"), -1);
    EXPECT_EQ(Find({}, -1, "Tank"), -1);
}

TEST(UnitSearch, SecondBytesOfDoubleByteCharactersNeverStartAMatch) {
    // ァ is 0x83 0x40 ("@" second), ソ 0x83 0x5C and 表 0x95 0x5C ("\" second).
    const std::string a = "\x83\x40", so = "\x83\x5c", hyo = "\x95\x5c";
    EXPECT_FALSE(NameContains(a + "x", "@"));
    EXPECT_FALSE(NameContains(so + hyo, "\\"));
    EXPECT_FALSE(NameContains("\x82\x60", "A"));  // full-width Ａ is not A
    EXPECT_TRUE(NameContains(so + "\\" + hyo, "\\"));
    EXPECT_TRUE(NameContains("x" + so + hyo, so + hyo));
    const std::vector<std::string> names{so + "1", "a@b", hyo + "2"};
    EXPECT_EQ(Find(names, 1, "\\"), -1);
    EXPECT_EQ(Find(names, 2, "@"), 1);
}

}  // namespace
}  // namespace kelvor::search
