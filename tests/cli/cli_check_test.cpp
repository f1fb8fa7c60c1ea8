// kelvor-cli check on tables with known faults: every fault found at its
// line and field, nothing else reported, and the exit codes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tests/cli/run_tool.h"
#include "tests/table/unit_lines.h"
#include "tools/demo_game.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace kelvor::cli {
namespace {

using table::testing::Join;
using table::testing::Split;
using demo::testing::TempFolder;
using testing::RunTool;

using Found = std::tuple<int, int, std::string>;  // line, field (-1: the line), problem

// The demo table with one fault of every kind the check knows, each on a
// unit line of its own. Lines end in CR LF unless a fault says otherwise.
struct FaultyTable {
    std::string text;
    std::set<Found> errors;
};

FaultyTable MakeFaultyTable() {
    std::vector<std::string> lines = Split(demo::DemoGameTable(), "\r\n");
    lines.pop_back();
    std::vector<std::string> ends(lines.size(), "\r\n");
    FaultyTable t;
    auto field = [&](int line, int f, const std::string& value, const char* problem) {
        std::vector<std::string> fields = Split(lines[static_cast<std::size_t>(line)], ",");
        fields[static_cast<std::size_t>(f)] = value;
        lines[static_cast<std::size_t>(line)] = Join(fields, ",");
        if (problem) t.errors.insert({line, f, problem});
    };
    field(10, 8, "007", "not-plain-decimal");
    field(11, 7, "", "out-of-range");          // shows 0; Formation is 1 to 10
    field(12, 24, "1000001", "out-of-range");
    field(13, 9, "o", "bad-flag");
    field(16, 190, "-5", "not-plain-decimal");  // no range: the form shows 0
    field(20, 53, std::string("N\0w", 3), nullptr);
    t.errors.insert({20, -1, "nul-byte"});
    field(16, 191, "99999999999", "not-plain-decimal");  // too large for the form's integer
    field(30, 189, "998", "unusable-picture");  // unit/998.bmp is cut off
    field(27, 50, "140", nullptr);               // unit 140 is there
    field(28, 51, "151", "missing-reference");  // 150 units
    field(19, 53, "\x95\xBA\xA0", nullptr);
    t.errors.insert({19, -1, "invalid-cp932"});
    ends[17] = "\n";
    t.errors.insert({17, -1, "line-end"});
    ends[18] = "\r\r\n";
    t.errors.insert({18, -1, "line-end"});
    field(24, 193, "", "empty-last-field");  // the line ends in a comma
    std::vector<std::string> fields = Split(lines[25], ",");
    fields.resize(20);
    lines[25] = Join(fields, ",");
    t.errors.insert({25, -1, "field-count"});
    lines[26] += ",194,195";
    t.errors.insert({26, -1, "field-count"});
    fields = Split(lines[29], ",");
    fields[100] += "\r";
    lines[29] = Join(fields, ",");
    t.errors.insert({29, -1, "stray-cr"});
    t.errors.insert({29, -1, "field-count"});  // 101 fields before the CR
    // The demo table's own: a case variant, a missing picture, a code outside
    // the movement classes, and a unit naming units that are not there.
    t.errors.insert({23, 31, "case-variant"});
    t.errors.insert({52, 189, "missing-picture"});
    t.errors.insert({62, 27, "unknown-movement-code"});
    t.errors.insert({72, 50, "missing-reference"});
    t.errors.insert({72, 51, "missing-reference"});
    for (std::size_t i = 0; i < lines.size(); ++i) t.text += lines[i] + ends[i];
    return t;
}

TEST(CliCheck, FindsEveryKnownFaultAtItsLineAndFieldAndNothingElse) {
    TempFolder dir;
    ASSERT_TRUE(demo::WriteDemoGame(dir.Path()));
    const FaultyTable faulty = MakeFaultyTable();
    ASSERT_TRUE(demo::WriteFileBytes(dir.Path() / "weapon.dat", faulty.text));
    ASSERT_TRUE(demo::WriteFileBytes(dir.Path() / "unit/998.bmp", "BM\x20"));

    const auto run = RunTool(dir.Path(), {"check", "--json", (dir.Path() / "weapon.dat").string()});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const nlohmann::json report = nlohmann::json::parse(run.out);
    std::set<Found> errors;
    int duplicateNotes = 0;
    for (const auto& f : report["findings"]) {
        const int field = f.contains("field") ? f["field"].get<int>() : -1;
        if (f["severity"] == "note") {
            EXPECT_EQ(f["problem"], "duplicate-name") << f.dump();
            ++duplicateNotes;
            continue;
        }
        errors.insert({f["line"].get<int>(), field, f["problem"].get<std::string>()});
        EXPECT_EQ(f["unit"], f["line"].get<int>() - 2);
        EXPECT_FALSE(f["message"].get<std::string>().empty());
    }
    EXPECT_EQ(errors, faulty.errors);
    EXPECT_EQ(report["errors"], faulty.errors.size());
    EXPECT_EQ(report["notes"], duplicateNotes);
    EXPECT_GE(duplicateNotes, 1);  // "歩兵" twice, among others

    // The same findings as text, each naming line, unit, field and caption.
    const auto text = RunTool(dir.Path(), {"check", (dir.Path() / "weapon.dat").string()});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.out.find("line 11, unit 9 \""), std::string::npos);
    EXPECT_NE(text.out.find("field 7 Formation [編成]: \"\" shows as 0, outside 1 to 10: Apply keeps it until the box is changed, and takes only a number in range then\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("field 189 Picture number: names picture 998.bmp, which the panel cannot show: it is cut off"),
              std::string::npos);
    EXPECT_NE(text.out.find(": " + std::to_string(faulty.errors.size()) + " errors, "), std::string::npos);
}

TEST(CliCheck, ACleanTableExitsZeroAndAMissingPictureFolderIsUnusable) {
    TempFolder dir;
    std::string clean = demo::DemoHeadingLines();
    for (int n = 1; n <= 3; ++n) clean += demo::DemoUnitLine(n) + "\r\n";
    ASSERT_TRUE(demo::WriteFileBytes(dir.Path() / "weapon.dat", clean));

    // Without a unit/ folder beside it, the pictures are not checked: a note.
    const auto run = RunTool(dir.Path(), {"check", (dir.Path() / "weapon.dat").string()});
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("note: no picture folder"), std::string::npos) << run.out;

    const auto missing = RunTool(dir.Path(), {"check", "--pictures", (dir.Path() / "nowhere").string(),
                                              (dir.Path() / "weapon.dat").string()});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("nowhere"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace kelvor::cli
