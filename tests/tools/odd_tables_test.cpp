// The odd tables: each file is odd in the way its name says, and only that.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "table/text_format.h"
#include "test_files.h"
#include "tools/demo_table.h"
#include "tools/odd_tables.h"

namespace kelvor::demo {
namespace {

std::size_t Count(const std::string& s, char c) { return static_cast<std::size_t>(std::count(s.begin(), s.end(), c)); }

// Fields of each line between LF, as the table reader counts them.
std::vector<std::size_t> FieldCounts(const std::string& text) {
    std::vector<std::size_t> counts;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (line.ends_with('\r')) line.pop_back();
        counts.push_back(Count(line, ',') + 1);
        from = end + 1;
    }
    return counts;
}

TEST(OddTables, EachIsOddAsNamed) {
    testing::TempFolder dir;
    ASSERT_TRUE(WriteOddTables(dir.Path()));
    auto read = [&](const char* name) { return testing::ReadBytes(dir.Path() / name); };
    const std::string game = DemoGameTable();

    EXPECT_TRUE(read("empty.dat").empty());
    EXPECT_GT(Count(read("nul_bytes.dat"), '\0'), 16u);
    EXPECT_EQ(read("garbage.dat").size(), 65536u);

    const std::string noCr = read("no_cr.dat"), noLf = read("no_lf.dat");
    EXPECT_EQ(Count(noCr, '\r'), 0u);
    EXPECT_EQ(Count(noCr, '\n'), Count(game, '\n'));
    EXPECT_EQ(Count(noLf, '\n'), 0u);
    EXPECT_EQ(Count(noLf, '\r'), Count(game, '\r'));

    const auto longCounts = FieldCounts(read("line_5mb.dat"));
    ASSERT_EQ(longCounts.size(), 4u);
    EXPECT_EQ(longCounts[3], 194u);
    EXPECT_GE(read("line_5mb.dat").size(), 5u * 1024 * 1024);

    const std::string many = read("lines_100000.dat");
    EXPECT_EQ(Count(many, '\n'), 100000u);
    EXPECT_EQ(Count(many, '\r'), 100000u);

    for (auto [name, fields] : {std::pair{"unit_20_fields.dat", 20u}, {"unit_400_fields.dat", 400u}}) {
        const auto counts = FieldCounts(read(name));
        ASSERT_EQ(counts.size(), 6u) << name;
        EXPECT_EQ(counts[3], 194u) << name;
        EXPECT_EQ(counts[4], fields) << name;
        EXPECT_EQ(counts[5], 194u) << name;
    }

    const std::string noEnd = read("no_final_line_end.dat");
    EXPECT_EQ(noEnd + "\r\n", game);
}

TEST(OddTables, TheOddUnitLinesStillLookLikeUnits) {
    // Readers must meet the short, long and NUL-holding lines as unit lines,
    // not skip them as headings.
    for (const OddTable& t : OddTables()) {
        const std::string name = t.fileName;
        if (name != "unit_20_fields.dat" && name != "unit_400_fields.dat" && name != "nul_bytes.dat") continue;
        const std::string text = t.make();
        table::Cursor c{text.data(), text.data() + text.size()};
        for (int line = 0; line < 3; ++line) table::SkipLine(c);
        EXPECT_EQ(table::IsUnitLine(c), 1) << name;
    }
}

}  // namespace
}  // namespace kelvor::demo
