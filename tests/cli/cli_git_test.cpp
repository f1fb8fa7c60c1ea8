// kelvor-cli as git's merge driver and diff filter in a real repository,
// set up with the lines the README gives: mods on branches merged by git
// field by field, and git diff speaking of fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/cli/run_tool.h"
#include "tests/cli/table_edits.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace kelvor::cli {
namespace {

using demo::testing::ReadBytes;
using testing::EditedTable;
using testing::ShellQuoted;

TEST(CliGit, GitMergesModsWithTheDriverAndDiffsTablesFieldByField) {
    demo::testing::TempFolder dir;
    const std::filesystem::path repo = dir.Path() / "repo";
    std::filesystem::create_directories(repo);
    const auto git = [&](const std::string& args) { return testing::RunShell(dir.Path(), "git " + args, repo); };
    const std::string cli = ShellQuoted(KELVOR_CLI);
    ASSERT_TRUE(demo::WriteFileBytes(repo / ".gitattributes", "weapon.dat diff=kelvor merge=kelvor\n"));
    for (const std::string& setup :
         {std::string("init -q -b main"), std::string("config user.name Modder"),
          std::string("config user.email modder@example.org"), "config diff.kelvor.textconv " + ShellQuoted(cli + " text"),
          "config merge.kelvor.name " + ShellQuoted("Halvane unit table"),
          "config merge.kelvor.driver " + ShellQuoted(cli + " merge --git %O %A %B")})
        ASSERT_EQ(git(setup).exitCode, 0) << setup;

    const EditedTable base(demo::DemoGameTable());
    const auto commit = [&](const std::string& branch, const EditedTable& table) {
        if (branch != "main") {
            ASSERT_EQ(git("checkout -q -b " + branch + " main").exitCode, 0);
        }
        ASSERT_TRUE(demo::WriteFileBytes(repo / "weapon.dat", table.Text()));
        ASSERT_EQ(git("add -A").exitCode, 0);
        ASSERT_EQ(git("commit -q -m " + branch).exitCode, 0);
    };
    commit("main", base);
    EditedTable armour = base, prices = base, rival = base;
    commit("armour", armour.Set(5, 8, "200").Set(10, 8, "11"));
    commit("prices", prices.Set(5, 24, "4500").Set(20, 7, "2"));
    commit("rival", rival.Set(10, 8, "12"));

    // Other fields, some of one unit: merged cleanly.
    ASSERT_EQ(git("checkout -q armour").exitCode, 0);
    const auto clean = git("merge --no-edit prices");
    ASSERT_EQ(clean.exitCode, 0) << clean.out << clean.err;
    EditedTable both = armour;
    both.Set(5, 24, "4500").Set(20, 7, "2");
    EXPECT_EQ(ReadBytes(repo / "weapon.dat"), both.Text());

    // The same field changed otherwise: a conflict, ours kept, and said where.
    const auto conflict = git("merge --no-edit rival");
    EXPECT_NE(conflict.exitCode, 0);
    EXPECT_NE((conflict.out + conflict.err).find("conflict: line 10, unit 8 "), std::string::npos) << conflict.out;
    EXPECT_EQ(ReadBytes(repo / "weapon.dat"), both.Text());
    EXPECT_EQ(git("status --porcelain").out, "UU weapon.dat\n");  // and no weapon.org beside it

    const auto diff = git("diff main prices");
    ASSERT_EQ(diff.exitCode, 0) << diff.err;
    const std::string price = table::testing::Split(base.lines[5])[24];
    EXPECT_NE(diff.out.find("\n-line 5 unit 3 Price: " + price + "\n+line 5 unit 3 Price: 4500\n"), std::string::npos)
        << diff.out;
    EXPECT_NE(diff.out.find("\n+line 20 unit 18 Formation: 2\n"), std::string::npos) << diff.out;
}

}  // namespace
}  // namespace kelvor::cli
