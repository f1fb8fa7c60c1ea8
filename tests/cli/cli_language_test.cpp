// kelvor-cli where the locale for messages is Japanese: every report and
// refusal is said in Japanese, with the table's names, field names and
// paths filled in as they are; --json stays English.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>

#include "tests/cli/run_tool.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"
#include "tools/odd_tables.h"

#ifdef _WIN32
// The tool started gets this program's environment, which _putenv_s sets.
inline int setenv(const char* name, const char* value, int) { return _putenv_s(name, value); }
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }
#endif

namespace kelvor::cli {
namespace {

// A line of a report with what it names taken out (the tool, paths, picture
// files, quoted table text, field labels): an English word left is the
// tool's own.
bool HasEnglishWord(const std::string& line) {
    static const std::regex named("kelvor-cli|unit/|[0-9]+\\.bmp|[A-Z]:\\\\[^ :]+|/[^ :]+|\"[^\"]*\"|フィールド [0-9]+ [^:\\[\\]]*( \\[[^\\]]*\\])?");
    return std::regex_search(std::regex_replace(line, named, ""), std::regex("[a-z]{3,}"));
}

TEST(CliJapanese, ReportsAndRefusalsOfEveryCommandSpeakJapanese) {
    demo::testing::TempFolder dir;
    const std::string folder = dir.Path().string(), table = folder + "/weapon.dat", odd = folder + "/odd/";
    ASSERT_TRUE(demo::WriteFileBytes(table, demo::DemoGameTable()) && demo::WriteOddTables(odd));
    // The pictures beside the table: one the panel refuses, the rest missing.
    ASSERT_TRUE(demo::WriteFileBytes(folder + "/unit/101.bmp", "BM and nothing a bitmap holds"));
    const std::vector<std::vector<std::string>> commands = {
        {"check", table},          {"check", odd + "nul_bytes.dat"},    {"check", odd + "unit_20_fields.dat"},
        {"check", odd + "no_cr.dat"}, {"diff", table, odd + "no_cr.dat"}, {"diff", table, odd + "unit_400_fields.dat"},
        {"show", table, "60"},     {"show", odd + "unit_20_fields.dat", "2"}, {"show", table, "151"},
        {"export", table, "3", "-o", folder + "/u3.kmv"},              {"export", odd + "unit_20_fields.dat", "2"},
        {"import", table, folder + "/u3.kmv", "-o", folder + "/out.dat"},
        {"import", table, folder + "/u3.kmv", folder + "/u3.kmv", odd + "empty.dat"},
        {"check", odd + "empty.dat"}, {"list", table},
        // The system's reasons and the picture panel's are said in Japanese too.
        {"check", folder + "/missing.dat"}, {"check", odd}};
    ::setenv("LANG", "ja_JP.UTF-8", 1);
    std::string all;
    for (const auto& args : commands) {
        const testing::ToolRun run = testing::RunTool(dir.Path(), args);
        std::istringstream lines(run.out + run.err);
        // Whole lines of table text (diff) and values as the form shows them (show) are data.
        for (std::string line; std::getline(lines, line);)
            EXPECT_TRUE(std::regex_search(line, std::regex("^  [-+0-9]")) || !HasEnglishWord(line)) << line;
        all += run.out + run.err;
    }
    for (const char* said : {"件、注意 ", "格納値", "行はこのフィールドの前で終わっています", "を書き出しました",
                             "を読み込みました", "何も読み込まず", "ユニット\t行\t名前", "ファイルまたはフォルダがありません",
                             "フォルダです", "ビットマップのどの種類のものでもありません"})
        EXPECT_NE(all.find(said), std::string::npos) << said;
    EXPECT_NE(testing::RunTool(dir.Path(), {"check", "--json", table}).out.find("the same name as unit"),
              std::string::npos);
    ::unsetenv("LANG");
}

}  // namespace
}  // namespace kelvor::cli
