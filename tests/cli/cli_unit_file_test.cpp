// kelvor-cli export and import: single-unit files out of the demo table and
// back, all or none, saved as the editor saves.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/run_tool.h"
#include "tests/cli/table_edits.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace kelvor::cli {
namespace {

namespace fs = std::filesystem;
using demo::testing::ReadBytes;
using demo::testing::TempFolder;
using table::testing::Join;
using table::testing::Split;
using testing::EditedTable;
using testing::RunTool;

// Durability (field 8, the file's field 9 after the line number) set in a single-unit file.
void SetDurability(const std::string& file, int value) {
    std::vector<std::string> fields = Split(ReadBytes(file));
    fields[9] = std::to_string(value);
    ASSERT_TRUE(demo::WriteFileBytes(file, Join(fields)));
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CliUnitFiles : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(game_);
        fs::create_directories(files_);
        ASSERT_TRUE(demo::WriteFileBytes(table_, original_));
    }
    testing::ToolRun Run(const std::vector<std::string>& args, const fs::path& cwd = {}) {
        return RunTool(dir_.Path(), args, cwd);
    }
    std::string Export(int unit) {
        const std::string file = (files_ / ("u" + std::to_string(unit) + ".kmv")).string();
        const auto run = Run({"export", table_.string(), std::to_string(unit), "-o", file});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return file;
    }

    TempFolder dir_;
    fs::path game_ = dir_.Path() / "game";
    fs::path files_ = dir_.Path() / "files";
    fs::path table_ = game_ / "weapon.dat";
    std::string original_ = demo::DemoGameTable();
};

TEST_F(CliUnitFiles, EveryUnitExportedAndImportedGivesTheTableBackByteForByte) {
    std::vector<std::string> args{"import", table_.string()};
    for (int unit = 1; unit <= demo::kGameUnitCount; ++unit) {
        const auto run = Run({"export", table_.string(), std::to_string(unit)}, files_);
        ASSERT_EQ(run.exitCode, 0) << unit << ": " << run.err;
        // Every unit is written as its line stores it, a code no class has included.
        EXPECT_EQ(run.out.find("note:"), std::string::npos) << run.out;
        char name[16];
        std::snprintf(name, sizeof name, "unit%04d.kmv", unit);
        args.push_back((files_ / name).string());
    }
    const auto json = Run({"export", "--json", table_.string(), "60", "-o", (files_ / "u60.kmv").string()});
    EXPECT_EQ(nlohmann::json::parse(json.out)["name"], "移動型不明車") << json.out;
    const std::string odd = ReadBytes(files_ / "unit0060.kmv");
    EXPECT_EQ(odd.rfind("62,", 0), 0u);
    EXPECT_EQ(odd.find_first_of("\r\n"), std::string::npos);

    const auto run = Run(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("imported " + args.back() + ": line 152, unit 150 "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("kept as " + (game_ / "weapon.org").string()), std::string::npos) << run.out;

    EXPECT_EQ(ReadBytes(table_), original_);
    EXPECT_EQ(ReadBytes(game_ / "weapon.org"), original_);
}

TEST_F(CliUnitFiles, ABatchWithFailingFilesWritesNothingAndNamesEveryOne) {
    const std::string unit3 = Export(3), unit4 = Export(4);
    const std::string line3 = ReadBytes(unit3);
    const std::string unitLine3 = line3.substr(line3.find(',') + 1);
    struct Bad {
        std::string name, bytes, says;
    } bad[] = {
        {"heading.kmv", "0," + unitLine3, "line 0, which is no unit line"},
        {"short.kmv", line3.substr(0, line3.rfind(',')), "193 fields, not 194"},
        {"again.kmv", line3, "as " + unit3 + " does"},  // a second file for line 5
        {"missing.kmv", "", "cannot be read"},
#ifndef _WIN32
        {"pipe.kmv", "", "cannot be read: not a regular file"},  // would block a plain open
#endif
    };
    std::vector<std::string> args{"import", table_.string(), unit3, unit4};
    for (const Bad& b : bad) {
        const fs::path file = files_ / b.name;
#ifndef _WIN32
        if (b.name == "pipe.kmv") {
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        }
#endif
        if (b.name != "missing.kmv" && b.name != "pipe.kmv") {
            ASSERT_TRUE(demo::WriteFileBytes(file, b.bytes));
        }
        args.push_back(file.string());
    }

    const auto run = Run(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty()) << run.out;
    for (const Bad& b : bad) {
        const std::size_t at = run.err.find("kelvor-cli: " + (files_ / b.name).string() + ": ");
        ASSERT_NE(at, std::string::npos) << b.name << "\n" << run.err;
        EXPECT_NE(run.err.substr(at, run.err.find('\n', at) - at).find(b.says), std::string::npos) << run.err;
    }
    EXPECT_EQ(run.err.find("kelvor-cli: " + unit4), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(table_), original_);
    EXPECT_EQ(FilesIn(game_), std::vector<std::string>{"weapon.dat"});
}

#ifndef _WIN32
// Named pipes in the place of the table, its backup or an output are
// refused at once, named, and left pipes.
TEST_F(CliUnitFiles, PipesAsTableBackupOrOutputAreRefusedAndStayPipes) {
    const std::string unit3 = Export(3);
    const fs::path pipeTable = files_ / "pipe.dat", pipeOut = files_ / "out.kmv";
    ASSERT_EQ(::mkfifo(pipeTable.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(pipeOut.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((game_ / "weapon.org").c_str(), 0600), 0);
    const struct {
        std::vector<std::string> args;
        fs::path named;
    } runs[] = {{{"list", pipeTable.string()}, pipeTable},
                {{"export", table_.string(), "3", "-o", pipeOut.string()}, pipeOut},
                {{"import", table_.string(), unit3}, game_ / "weapon.org"}};
    for (const auto& r : runs) {
        const auto run = Run(r.args);
        EXPECT_EQ(run.exitCode, 2) << r.args[0];
        EXPECT_EQ(run.err.rfind("kelvor-cli: " + r.named.string() + ": ", 0), 0u) << run.err;
    }
    for (const fs::path& p : {pipeTable, pipeOut, game_ / "weapon.org"}) EXPECT_TRUE(fs::is_fifo(p)) << p;
    EXPECT_EQ(ReadBytes(table_), original_);
}
#endif

TEST_F(CliUnitFiles, OutputOptionWritesTheResultThereAndLeavesTheTableAlone) {
    // Unit 3's Durability changed in its file.
    const std::string file = Export(3);
    SetDurability(file, 254);

    const fs::path out = dir_.Path() / "mod" / "weapon.dat";
    fs::create_directories(out.parent_path());
    const auto run = Run({"import", "--json", table_.string(), file, "-o", out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["saved"], out.string());
    EXPECT_EQ(report["backup"], nullptr);
    EXPECT_EQ(report["imported"][0]["unit"], 3);

    EXPECT_EQ(ReadBytes(out), EditedTable(original_).Set(5, 8, "254").Text());
    EXPECT_EQ(ReadBytes(table_), original_);
    EXPECT_EQ(FilesIn(game_), std::vector<std::string>{"weapon.dat"});
    EXPECT_EQ(FilesIn(out.parent_path()), std::vector<std::string>{"weapon.dat"});  // nothing was there to set aside
}

TEST_F(CliUnitFiles, TwentyImportsAtOnceIntoOneTableKeepAllTwenty) {
    // Units 1..20 each get their own Durability, 200 + the unit's number,
    // and all twenty imports run at the same time.
    std::vector<std::string> files;
    EditedTable expected(original_);
    for (int unit = 1; unit <= 20; ++unit) {
        files.push_back(Export(unit));
        SetDurability(files.back(), 200 + unit);
        expected.Set(unit + 2, 8, std::to_string(200 + unit));  // unit n on line n + 2
    }
    std::vector<int> exitCodes(files.size(), -1);
    std::vector<std::thread> imports;
    for (std::size_t i = 0; i < files.size(); ++i)
        imports.emplace_back([&, i] {
            const fs::path scratch = dir_.Path() / ("import" + std::to_string(i));
            fs::create_directories(scratch);
            exitCodes[i] = RunTool(scratch, {"import", table_.string(), files[i]}).exitCode;
        });
    for (std::thread& import : imports) import.join();
    EXPECT_EQ(exitCodes, std::vector<int>(files.size(), 0));

    EXPECT_EQ(ReadBytes(table_), expected.Text());
    EXPECT_EQ(ReadBytes(game_ / "weapon.org"), original_);
}

}  // namespace
}  // namespace kelvor::cli
