// The walk the unit list and the table-value lists are built from.
#include "table/unit_walk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/table/unit_lines.h"

namespace kelvor::table {
namespace {

using testing::Join;
using testing::kSet;
using testing::UnitFields;
using testing::UnitLine;

std::vector<UnitLineValues> Walk(const std::string& bytes) {
    DocumentText text;
    EXPECT_TRUE(text.Assign(bytes));
    std::vector<UnitLineValues> seen;
    WalkUnitLines(text, [&](const UnitLineValues& v) { seen.push_back(v); });
    return seen;
}

std::vector<std::string> Values(const UnitLineValues& v) {
    std::vector<std::string> out(v.tableValues.begin(), v.tableValues.begin() + v.tableValueCount);
    out.insert(out.end(), v.weaponTypes.begin(), v.weaponTypes.begin() + v.weaponTypeCount);
    return out;
}

TEST(UnitWalk, VisitsEveryUnitLineInFileOrderWithItsLineNumber) {
    const std::string bytes = "heading,x,y\r\n\r\n" + UnitLine("tank") + "note,\x81\x7e,1\r\n" + UnitLine("tank") +
                              "," + kSet + ",nameless\r\n" + UnitLine("jeep");
    const auto seen = Walk(bytes);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].name, "tank");
    EXPECT_EQ(seen[0].lineNumber, 2);
    EXPECT_EQ(seen[1].name, "tank");
    EXPECT_EQ(seen[1].lineNumber, 4);
    EXPECT_EQ(seen[2].name, "jeep");
    EXPECT_EQ(seen[2].lineNumber, 6);
    const std::vector<std::string> expected = {"v3", "v4", "v5", "v6", "v31", "v32", "v64", "v84", "v104", "v124", "v144"};
    for (const auto& v : seen) EXPECT_EQ(Values(v), expected);
}

TEST(UnitWalk, LfOnlyTableListsTheSameUnitsAsItsCrLfForm) {
    // Lines ended by LF alone, as another editor's conversion leaves them:
    // no heading joins the first name, and no unit's last field swallows
    // the next line, so every unit parses.
    const std::string crlf = "; heading\r\n\r\n" + UnitLine("tank") + "note\r\n" + UnitLine("jeep") + UnitLine("ship");
    std::string lf = crlf;
    std::erase(lf, '\r');
    const auto a = Walk(crlf);
    const auto b = Walk(lf);
    ASSERT_EQ(b.size(), 3u);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(b[i].name, a[i].name);
        EXPECT_EQ(b[i].lineNumber, a[i].lineNumber);
        EXPECT_EQ(Values(b[i]), Values(a[i]));
    }
    Cursor c{lf.data(), lf.data() + lf.size()};
    for (int line = 0; line < 6; ++line) {
        UnitRecord rec;
        EXPECT_EQ(ParseUnitLine(c, rec), line == 2 || line >= 4 ? 1 : 0) << line;
        if (line == 5) {
            EXPECT_EQ(rec[193], "v193");
        }
        SkipLine(c);
    }
}

TEST(UnitWalk, AShortLineOffersOnlyWhatItHolds) {
    // Cut after each field the walk reads, and one before it.
    struct Case { int fields; std::size_t tableValues; std::size_t weaponTypes; };
    for (const Case c : {Case{1, 0, 0}, Case{2, 0, 0}, Case{4, 1, 0}, Case{7, 4, 0}, Case{31, 4, 0}, Case{32, 5, 0},
                         Case{33, 6, 0}, Case{64, 6, 0}, Case{65, 6, 1}, Case{144, 6, 4}, Case{145, 6, 5}}) {
        std::vector<std::string> fields = UnitFields("cut", c.fields);
        if (c.fields == 1) fields.push_back(kSet);  // a name and the marker, nothing more
        // A longer unit before it must not leave its values behind.
        const auto seen = Walk(UnitLine("full") + Join(fields) + "\r\n" + "after\r\n");
        ASSERT_EQ(seen.size(), 2u) << c.fields;
        EXPECT_EQ(seen[1].name, "cut");
        EXPECT_EQ(seen[1].lineNumber, 1);
        EXPECT_EQ(static_cast<std::size_t>(seen[1].tableValueCount), c.tableValues) << c.fields;
        EXPECT_EQ(static_cast<std::size_t>(seen[1].weaponTypeCount), c.weaponTypes) << c.fields;
        const std::vector<std::string> values = Values(seen[1]);
        for (const std::string& value : values)
            EXPECT_LT(std::stoi(value.substr(1)), c.fields) << "offered a value the line does not hold";
    }
}

TEST(UnitWalk, TheLastLineNeedsNoLineEnd) {
    const auto seen = Walk("head\r\n" + Join(UnitFields("open")));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].lineNumber, 1);
    EXPECT_EQ(seen[0].weaponTypeCount, 5);
    EXPECT_EQ(seen[0].weaponTypes[4], "v144");

    const auto cut = Walk("head\r\nopen," + kSet + ",v2,v3");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(Values(cut[0]), std::vector<std::string>{"v3"});
}

TEST(UnitWalk, ManyLinesAndOneHugeLine) {
    std::string many;
    for (int i = 0; i < 100000; ++i) many += (i % 2 ? "u" + std::to_string(i) + "," + kSet + "\r\n" : "\r\n");
    const auto seen = Walk(many);
    ASSERT_EQ(seen.size(), 50000u);
    EXPECT_EQ(seen.back().lineNumber, 99999);
    EXPECT_EQ(seen.back().name, "u99999");
    EXPECT_EQ(seen.back().tableValueCount, 0);

    std::vector<std::string> fields = UnitFields("huge");
    fields[64] = std::string(5 * 1024 * 1024, 'w');
    const auto big = Walk(Join(fields) + "\r\n" + UnitLine("next"));
    ASSERT_EQ(big.size(), 2u);
    EXPECT_EQ(big[0].weaponTypes[0].size(), 5u * 1024 * 1024);
    EXPECT_EQ(big[0].weaponTypes[1], "v84");
    EXPECT_EQ(big[1].lineNumber, 1);
}

TEST(UnitWalk, BinaryGarbageIsWalkedToItsEnd) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 4000), '\0');
        for (char& b : bytes) {
            const unsigned r = random() % 16;
            b = r == 0 ? '\n' : r == 1 ? '\r' : r == 2 ? ',' : r == 3 ? '\x81' : r == 4 ? '\x9b'
                                                                                : static_cast<char>(random());
        }
        std::size_t lines = 0;
        for (std::size_t i = 0; i < bytes.size(); ++lines) {
            const std::size_t lf = bytes.find('\n', i);
            i = lf == std::string::npos ? bytes.size() : lf + 1;
        }
        int last = -1;
        for (const auto& v : Walk(bytes)) {
            EXPECT_GT(v.lineNumber, last);
            EXPECT_LT(static_cast<std::size_t>(v.lineNumber), lines);
            EXPECT_FALSE(v.name.empty());
            last = v.lineNumber;
        }
    }
}

}  // namespace
}  // namespace kelvor::table
