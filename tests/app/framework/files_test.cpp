#include <gtest/gtest.h>

#include <vector>

#include "app/framework/codec.h"
#include "app/framework/files.h"
#include "tests/app/framework/file_helpers.h"
#include "tests/support/scripted_modal.h"

namespace kelvor::fw {
namespace {

using testing::Path;
using testing::Put;
using testing::QPath;
using testing::Slurp;

TEST(FileService, ReadsWholeFilesByteForByte) {
    QTemporaryDir dir;
    const std::string bytes("line\r\nbare\n\0\x81\x60\r", 15);
    Put(QPath(dir, "weapon.dat"), bytes);
    FileService files;
    std::string text, error;
    ASSERT_TRUE(files.ReadWholeFile(Path(dir, "weapon.dat"), text, &error)) << error;
    EXPECT_EQ(text, bytes);
    std::vector<char> block;
    ASSERT_TRUE(files.ReadWholeFile(Path(dir, "weapon.dat"), block, &error));
    EXPECT_EQ(std::string(block.begin(), block.end()), bytes);
}

TEST(FileService, ReadFailuresCarryTheSystemsText) {
    QTemporaryDir dir;
    Put(QPath(dir, "big.dat"), "0123456789");
    FileService files;
    std::string text, error;
    EXPECT_FALSE(files.ReadWholeFile(Path(dir, "missing.dat"), text, &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(files.ReadWholeFile(ToPath(dir.path()), text, &error));  // a folder
    EXPECT_FALSE(error.empty());
    error.clear();
    // The caller refuses a file larger than its block.
    EXPECT_FALSE(files.ReadWholeFile(Path(dir, "big.dat"), [](std::size_t) -> char* { return nullptr; },
                                     &error));
    EXPECT_FALSE(error.empty());

    EXPECT_TRUE(files.CanOpenForReading(Path(dir, "big.dat")));
    EXPECT_FALSE(files.CanOpenForReading(Path(dir, "missing.dat")));
    EXPECT_FALSE(files.CanOpenForReading(ToPath(dir.path())));
}

TEST(FileService, FirstLineDropsOnlyTheLineFeed) {
    QTemporaryDir dir;
    FileService files;
    std::string line;
    struct Case {
        std::string contents, firstLine;
    } cases[] = {{"12,unit\r\nnext\r\n", "12,unit\r"}, {"no line end", "no line end"}, {"", ""}, {"\nx", ""}};
    for (const Case& c : cases) {
        Put(QPath(dir, "one.kmv"), c.contents);
        ASSERT_TRUE(files.ReadFirstLine(Path(dir, "one.kmv"), line, nullptr));
        EXPECT_EQ(line, c.firstLine);
    }
    EXPECT_FALSE(files.ReadFirstLine(Path(dir, "missing.kmv"), line, nullptr));
}

TEST(FileService, TheFileErrorBoxNamesTheFileAndTheSystemsText) {
    test::ScriptedModalServices modal;
    modal.AcceptMessage(Cp932FromUtf8("weapon.dat の処理中にエラーが発生しました。\nNo space left on device"), kIconStop);
    ReportFileError(modal, nullptr, fw::Path("weapon.dat"), "No space left on device");
}

}  // namespace
}  // namespace kelvor::fw
