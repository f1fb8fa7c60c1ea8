// kelvor-cli list, show and diff on the demo table, and what every command
// does with input it cannot use.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "tests/cli/run_tool.h"
#include "tests/cli/table_edits.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"
#include "tools/odd_tables.h"

namespace kelvor::cli {
namespace {

using demo::testing::TempFolder;
using testing::RunTool;

class CliCommands : public ::testing::Test {
protected:
    void SetUp() override {
        table_ = (dir_.Path() / "weapon.dat").string();
        ASSERT_TRUE(demo::WriteFileBytes(table_, demo::DemoGameTable()));
    }
    testing::ToolRun Run(const std::vector<std::string>& args) { return RunTool(dir_.Path(), args); }

    TempFolder dir_;
    std::string table_;
};

TEST_F(CliCommands, ListAndShowSpeakOfUnitsByNumberAndLineAsTheEditorDoes) {
    const auto list = Run({"list", "--json", table_});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const nlohmann::json units = nlohmann::json::parse(list.out)["units"];
    ASSERT_EQ(units.size(), static_cast<std::size_t>(demo::kGameUnitCount));
    for (const auto& u : units) EXPECT_EQ(u["line"].get<int>(), u["unit"].get<int>() + 2);
    EXPECT_EQ(units[demo::kUnitTrailByte5C - 1]["name"], "ソ連戦車");  // trail byte 0x5C, in UTF-8
    const auto text = Run({"list", table_});
    EXPECT_NE(text.out.find("\n5\t7\tソ連戦車\n"), std::string::npos);

    const auto show = Run({"show", "--json", table_, std::to_string(demo::kUnitOddMovement)});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    const nlohmann::json unit = nlohmann::json::parse(show.out);
    EXPECT_EQ(unit["line"], demo::kUnitOddMovement + 2);
    ASSERT_EQ(unit["fields"].size(), 194u);
    const auto& movement = unit["fields"][27];
    EXPECT_EQ(movement["fieldName"], "Movement class 3");
    EXPECT_EQ(movement["value"], "error");  // as the form shows a code outside the table
    EXPECT_EQ(movement["stored"], "00000011");
    EXPECT_EQ(unit["fields"][8]["caption"], "耐久");
    const auto shown = Run({"show", table_, std::to_string(demo::kUnitOddMovement)});
    EXPECT_NE(shown.out.find("\n  27 Movement class 3: error  (stored \"00000011\")\n"), std::string::npos) << shown.out;
}

TEST_F(CliCommands, DiffAlignsLinesAndShowsTheChangedFieldsOfPairedUnits) {
    const auto same = Run({"diff", table_, table_});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.out.empty()) << same.out;

    // The heading on line 0 changes; line 10 (unit 8) goes, so that line 61
    // (unit 59), whose Durability changes, becomes line 60.
    testing::EditedTable edited(demo::DemoGameTable());
    edited.lines[0].insert(0, "X");
    edited.Remove(10).Set(60, 8, "254");
    const std::string other = (dir_.Path() / "edited.dat").string();
    ASSERT_TRUE(demo::WriteFileBytes(other, edited.Text()));

    const auto diff = Run({"diff", "--json", table_, other});
    EXPECT_EQ(diff.exitCode, 1) << diff.err;
    const nlohmann::json changes = nlohmann::json::parse(diff.out)["changes"];
    ASSERT_EQ(changes.size(), 4u) << diff.out;
    EXPECT_EQ(changes[0]["kind"], "line");
    EXPECT_EQ(changes[0]["line"], 0);
    EXPECT_EQ(changes[1]["kind"], "removed");
    EXPECT_EQ(changes[1]["unit"], 8);
    EXPECT_EQ(changes[2]["kind"], "renumbered");
    EXPECT_EQ(changes[2]["line"], 11);
    EXPECT_EQ(changes[2]["newLine"], 10);
    EXPECT_EQ(changes[2]["count"], demo::kGameUnitCount + 3 - 11);  // lines 11 to 152
    EXPECT_EQ(changes[3]["kind"], "unit");
    EXPECT_EQ(changes[3]["unit"], 59);
    EXPECT_EQ(changes[3]["newLine"], 60);
    ASSERT_EQ(changes[3]["fields"].size(), 1u);
    EXPECT_EQ(changes[3]["fields"][0]["fieldName"], "Durability");
    EXPECT_EQ(changes[3]["fields"][0]["new"], "254");
    const auto text = Run({"diff", table_, other});
    EXPECT_NE(text.out.find("\nlines 11 to 152 renumbered: now lines 10 to 151 (unit numbers -1)\nline 61, unit 59 \""),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\", now line 60, unit 58:\n  field 8 Durability [耐久]: \""), std::string::npos) << text.out;
}

TEST_F(CliCommands, InputThatCannotBeUsedExitsTwoNamingTheFileAndWritesNothing) {
    ASSERT_TRUE(demo::WriteOddTables(dir_.Path() / "odd"));
    const std::string missing = (dir_.Path() / "missing.dat").string();
    const std::string empty = (dir_.Path() / "odd" / "empty.dat").string();
    const std::string garbage = (dir_.Path() / "odd" / "garbage.dat").string();
    const std::string folder = (dir_.Path() / "odd").string();
    const std::string shortUnit = (dir_.Path() / "odd" / "unit_20_fields.dat").string();
    const std::string nowhere = (dir_.Path() / "missing" / "unit.kmv").string();
    struct Case {
        std::vector<std::string> args;
        std::string named;
    } cases[] = {
        {{"list", missing}, missing},
        {{"check", "--json", folder}, folder},
        {{"show", empty, "1"}, empty},
        {{"diff", table_, garbage}, garbage},
        {{"show", table_, "0"}, table_},    // line 2 is a blank line
        {{"show", table_, "151"}, table_},  // past the last line
        {{"export", table_, "151"}, table_},
        {{"export", shortUnit, "2"}, "holds only 20 of the 194 fields"},  // its file would not import
        {{"export", table_, "3", "-o", nowhere}, nowhere},
        {{"import", table_, missing}, missing},
        {{"merge", table_, table_, garbage}, garbage},
        {{"merge", "--git", empty, table_, table_}, empty},  // no common ancestor
        {{"text", folder}, folder},
        {{"frobnicate", table_}, "subcommand"},
    };
    for (const Case& c : cases) {
        const auto run = Run(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args[0] << " " << c.named;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
    EXPECT_EQ(demo::testing::ReadBytes(table_), demo::DemoGameTable());
}

}  // namespace
}  // namespace kelvor::cli
