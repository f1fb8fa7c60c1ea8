// What a save, a read and the rewrite lock meet on every system alike:
// names beyond ASCII, a file that grows while it is read, a read-only file,
// a file another program holds open. Run on Linux and, under wine, Windows.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "table/file_identity.h"
#include "table/file_lock.h"
#include "table/mapped_file.h"
#include "table/safe_save.h"
#include "tests/tools/test_files.h"

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#else
#include <unistd.h>
#endif

namespace kelvor::table {
namespace {

using demo::testing::ReadBytes;
using demo::testing::TempFolder;

void Put(const Path& file, std::string_view bytes) { std::ofstream(file, std::ios::binary) << bytes; }

std::size_t EntryCount(const Path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(FileCases, NamesWithAccentsHangulAndKanjiSaveReadLockAndKeepTheBackup) {
    TempFolder dir;
    const Path folder = dir.Path() / Path(u8"café 한국 表ソ能");
    std::filesystem::create_directory(folder);
    const Path table = folder / Path(u8"表.dat");
    Put(table, "old");
    FileLock lock;
    ASSERT_EQ(LockForRewrite(table, lock, {}, nullptr), LockResult::Held);
    // The lock keeps out a second taker, not a reader or the save it is for.
    FileLock second;
    LockWait once;
    once.giveUpAfter = std::chrono::milliseconds(0);
    EXPECT_EQ(LockForRewrite(table, second, once, nullptr), LockResult::Busy);
    std::string read;
    ASSERT_TRUE(ReadWholeFile(table, read, nullptr));
    const FileIdentity identity = IdentityOf(table, read);
    EXPECT_FALSE(ChangedSince(table, identity));
    SaveError error;
    ASSERT_TRUE(SaveTableFile(table, "new", &error)) << error.systemError;
    EXPECT_TRUE(ChangedSince(table, identity));
    EXPECT_EQ(ReadBytes(table), "new");
    EXPECT_EQ(ReadBytes(folder / "weapon.org"), "old");
}

TEST(FileCases, AFileThatGrowsWhileItIsReadIsRefused) {
    TempFolder dir;
    const Path file = dir.Path() / "weapon.dat";
    Put(file, "first part");
    std::string into, error;
    const auto growFirst = [&](std::size_t size) {
        std::ofstream(file, std::ios::binary | std::ios::app) << ", and more";
        into.resize(size);
        return into.data();
    };
    EXPECT_FALSE(ReadWholeFile(file, growFirst, &error));
    EXPECT_EQ(error, ErrorText(EIO));
}

#ifndef _WIN32
// A mapped table shortened by another program while it is read ends the
// process with the message it was given, naming the file, instead of a bus
// error.
TEST(FileCases, AMappedFileShortenedWhileItIsReadEndsWithAMessage) {
    TempFolder dir;
    const Path file = dir.Path() / "weapon.dat";
    Put(file, std::string(20000, 'u'));
    MappedFile mapped;
    std::string error;
    ASSERT_TRUE(mapped.Open(file, &error)) << error;
    EXPECT_EQ(mapped.view(), std::string(20000, 'u'));
    const auto shorten = [&] {
        ReportShortenedMappedFiles("before ", " after\n", 2);
        std::filesystem::resize_file(file, 10);
        std::printf("%d", mapped.view()[15000]);
    };
    EXPECT_EXIT(shorten(), testing::ExitedWithCode(2), "before .*weapon.dat after");
}
#endif

TEST(FileCases, AReadOnlyTableIsRefusedAndLeftAsItWas) {
#ifndef _WIN32
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
#endif
    TempFolder dir;
    const Path table = dir.Path() / "weapon.dat";
    Put(table, "old");
    namespace stdfs = std::filesystem;
    stdfs::permissions(table, stdfs::perms::owner_write | stdfs::perms::group_write | stdfs::perms::others_write,
                       stdfs::perm_options::remove);
    SaveError error;
    EXPECT_FALSE(SaveTableFile(table, "new", &error));
    EXPECT_EQ(error.kind, SaveError::Kind::Open);
    EXPECT_EQ(error.systemError, ErrorText(EACCES));
    stdfs::permissions(table, stdfs::perms::owner_write, stdfs::perm_options::add);
    EXPECT_EQ(ReadBytes(table), "old");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);
}

// Another program has the table open for reading (kelvor_hold_open). Linux
// replaces it all the same and the other program keeps reading the old
// file; Windows does not let an open file be replaced: the save is refused
// before anything is written, and goes through once the file is closed.
TEST(FileCases, ATableHeldOpenByAnotherProgram) {
    TempFolder dir;
    const Path table = dir.Path() / "weapon.dat", release = dir.Path() / "release";
    Put(table, "old");
    std::string command = "\"" KELVOR_HOLD_OPEN "\" \"" + table.string() + "\" \"" + release.string() + "\"";
#ifdef _WIN32
    command = "\"" + command + "\"";  // cmd.exe takes off the outer quotes
#endif
    FILE* holder = ::popen(command.c_str(), "r");
    ASSERT_NE(holder, nullptr);
    char said[16] = {};
    ASSERT_NE(std::fgets(said, sizeof said, holder), nullptr);
    SaveError error;
#ifdef _WIN32
    EXPECT_FALSE(SaveTableFile(table, "new", &error));
    EXPECT_EQ(error.kind, SaveError::Kind::Open);
    EXPECT_EQ(error.systemError, ErrorText(EBUSY));
    EXPECT_EQ(ReadBytes(table), "old");
    EXPECT_EQ(EntryCount(dir.Path()), 1u);  // no backup, no temporary file
    Put(release, "");
    ::pclose(holder);
    holder = nullptr;
#endif
    EXPECT_TRUE(SaveTableFile(table, "new", &error)) << error.systemError;
    if (holder) {
        Put(release, "");
        ::pclose(holder);
    }
    EXPECT_EQ(ReadBytes(table), "new");
    EXPECT_EQ(ReadBytes(dir.Path() / "weapon.org"), "old");
}

}  // namespace
}  // namespace kelvor::table
