// kelvor-cli merge on the demo table: edits of two mods put together, every
// kind of conflict reported where it is, and a result the editor opens.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <random>
#include <set>
#include <string>

#include "form/record_display.h"
#include "table/document.h"
#include "table/file_io.h"
#include "table/unit_walk.h"
#include "tests/cli/run_tool.h"
#include "tests/cli/table_edits.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace kelvor::cli {
namespace {

using demo::testing::ReadBytes;
using demo::testing::TempFolder;
using testing::EditedTable;
using testing::RunTool;

class CliMerge : public ::testing::Test {
protected:
    testing::ToolRun Merge(const EditedTable& ours, const EditedTable& theirs, std::vector<std::string> options = {}) {
        demo::WriteFileBytes(Path("base.dat"), base_.Text());
        demo::WriteFileBytes(Path("ours.dat"), ours.Text());
        demo::WriteFileBytes(Path("theirs.dat"), theirs.Text());
        options.insert(options.begin(), "merge");
        options.insert(options.end(), {Path("base.dat"), Path("ours.dat"), Path("theirs.dat"), "-o", Path("out.dat")});
        return RunTool(dir_.Path(), options);
    }
    std::string Path(const std::string& name) const { return (dir_.Path() / name).string(); }

    TempFolder dir_;
    EditedTable base_{demo::DemoGameTable()};
};

TEST_F(CliMerge, EditsOfOtherFieldsAndLinesMergeIntoBothEditSetsAndKeepUntouchedBytes) {
    // Odd bytes no side touches: a bare LF, CR CR LF, a 195th field.
    base_.ends[60] = "\n";
    base_.ends[61] = "\r\r\n";
    base_.lines[62] += ",extra";
    EditedTable ours = base_, theirs = base_, both = base_;
    const std::string added = demo::DemoUnitLine(500), inserted = demo::DemoUnitLine(600);
    for (EditedTable* t : {&ours, &both}) t->Set(5, 8, "200").Set(20, 24, "9990").Set(30, 8, "77");
    for (EditedTable* t : {&theirs, &both}) t->Set(5, 24, "4500").Set(40, 7, "2").Set(30, 8, "77");
    ours.Remove(100).Insert(static_cast<int>(ours.lines.size()), added);
    theirs.Insert(50, inserted);
    both.Remove(100).Insert(50, inserted).Insert(static_cast<int>(both.lines.size()), added);

    const auto run = Merge(ours, theirs);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("no conflict"), std::string::npos) << run.out;
    EXPECT_EQ(ReadBytes(Path("out.dat")), both.Text());
    EXPECT_EQ(ReadBytes(Path("ours.dat")), ours.Text());

    // Opened as the editor opens a table: read whole, its units listed,
    // a unit shown from its record.
    table::DocumentText text;
    std::size_t length = 0;
    ASSERT_TRUE(table::ReadWholeFile(
        Path("out.dat"), [&](std::size_t size) { return text.PrepareForRead(length = size); }, nullptr));
    text.CommitRead(length);
    int units = 0;
    table::WalkUnitLines(text, [&](const table::UnitLineValues&) { ++units; });
    EXPECT_EQ(units, demo::kGameUnitCount + 1);
    table::UnitRecord record;
    ASSERT_EQ(form::ReadUnitRecord(text, 5, record), table::kFieldCount);
    EXPECT_EQ(record[8], "200");
    EXPECT_EQ(record[24], "4500");
}

TEST_F(CliMerge, RandomEditsOfOtherLinesOnTwoSidesMergeIntoBothEditSets) {
    std::mt19937 random(16);
    for (int round = 0; round < 20; ++round) {
        // Each base line is left alone or edited once, by one side or (other
        // fields) by both; applied from the last line up, so that the lines
        // above keep their numbers on all three.
        EditedTable ours = base_, theirs = base_, both = base_;
        for (int line = static_cast<int>(base_.lines.size()) - 1; line >= 3; --line) {
            const std::string value = std::to_string(round * 1000 + line), added = demo::DemoUnitLine(1000 + line);
            switch (random() % 10) {
            case 0: ours.Set(line, 8, value), both.Set(line, 8, value); break;
            case 1: theirs.Set(line, 24, value), both.Set(line, 24, value); break;
            case 2: ours.Set(line, 8, value), theirs.Set(line, 24, value), both.Set(line, 8, value).Set(line, 24, value); break;
            case 3: ours.Remove(line), both.Remove(line); break;
            case 4: theirs.Remove(line), both.Remove(line); break;
            case 5: ours.Insert(line, added), both.Insert(line, added); break;
            case 6: theirs.Insert(line, added), both.Insert(line, added); break;
            }
        }
        const auto run = Merge(ours, theirs);
        ASSERT_EQ(run.exitCode, 0) << "round " << round << "\n" << run.out << run.err;
        ASSERT_EQ(ReadBytes(Path("out.dat")), both.Text()) << "round " << round;
    }
}

TEST_F(CliMerge, EveryKindOfConflictIsListedWhereItIsAndTheResultHoldsOurs) {
    EditedTable ours = base_, theirs = base_;
    ours.Set(10, 8, "11");
    theirs.Set(10, 8, "12");
    ours.lines[0] += " ours";
    theirs.lines[0] += " theirs";
    ours.Remove(30);
    theirs.Set(30, 7, "3");
    ours.Insert(79, demo::DemoUnitLine(700));  // before base line 80, as theirs
    theirs.Insert(80, demo::DemoUnitLine(800));

    const auto run = Merge(ours, theirs, {"--json"});
    ASSERT_EQ(run.exitCode, 1) << run.out << run.err;
    EXPECT_EQ(ReadBytes(Path("out.dat")), ours.Text());
    std::set<std::tuple<std::string, int, int>> found;  // kind, line in the result, base line
    const nlohmann::json report = nlohmann::json::parse(run.out);
    for (const auto& c : report["conflicts"]) {
        found.insert({c["kind"], c["line"], c["baseLine"].is_null() ? -1 : c["baseLine"].get<int>()});
        if (c["kind"] != "field") continue;
        EXPECT_EQ(c["unit"], 8);
        EXPECT_EQ(c["fieldName"], "Durability");
        EXPECT_EQ(c["caption"], "耐久");
        EXPECT_EQ(c["ours"], "11");
        EXPECT_EQ(c["theirs"], "12");
    }
    EXPECT_EQ(found, (std::set<std::tuple<std::string, int, int>>{
                         {"line", 0, 0}, {"field", 10, 10}, {"removed-changed", 30, 30}, {"added", 79, -1}}));

    const auto text = Merge(ours, theirs);
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.out.find("conflict: line 10, unit 8 \""), std::string::npos) << text.out;
    EXPECT_NE(text.out.find(", field 8 Durability [耐久]: base \""), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\", ours \"11\", theirs \"12\"\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find(": removed in ours, changed in theirs\n"), std::string::npos) << text.out;
}

}  // namespace
}  // namespace kelvor::cli
