// The safe save: the file under its name is always the old file or the whole
// new one, through failing writers, full disks and links; the backup is kept
// once. Plain code, run under the sanitizers too.
#include "table/safe_save.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <set>
#ifndef _WIN32
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

#include "table/mapped_file.h"
#include "tests/tools/test_files.h"

namespace kelvor::table {
namespace {

using demo::testing::ReadBytes;
using demo::testing::TempFolder;

void Put(const Path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good());
}

std::string Slurp(const Path& file) { return std::filesystem::exists(file) ? ReadBytes(file) : "<missing>"; }

// The names in a folder, hidden ones included.
std::set<std::string> Entries(const Path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// Sinks that fail at write number failAt (1-based): with an error, or, when
// shortBy is set, by writing that many bytes fewer and then failing the next
// write (or not, when recoverAfterShort).
struct FailingWriter {
    int failAt = 0;
    std::size_t shortBy = 0;
    bool recoverAfterShort = false;
    int writes = 0;

    SinkFactory Factory() {
        return [this](int fd) -> std::unique_ptr<ByteSink> {
            struct Sink : ByteSink {
                FailingWriter& owner;
                std::unique_ptr<ByteSink> real;
                Sink(FailingWriter& o, std::unique_ptr<ByteSink> r) : owner(o), real(std::move(r)) {}
                std::int64_t Write(std::string_view block, std::string* error) override {
                    const int n = ++owner.writes;
                    if (n == owner.failAt && owner.shortBy && block.size() > owner.shortBy)
                        return real->Write(block.substr(0, block.size() - owner.shortBy), error);
                    if (n == owner.failAt || (n == owner.failAt + 1 && owner.shortBy && !owner.recoverAfterShort)) {
                        *error = "No space left on device";
                        return -1;
                    }
                    return real->Write(block, error);
                }
            };
            return std::make_unique<Sink>(*this, DescriptorSink(fd));
        };
    }
};

// Seconds since 1970.
void SetModificationTime(const Path& path, std::int64_t when) {
    using namespace std::chrono;
    std::filesystem::last_write_time(path, file_clock::from_sys(sys_seconds(seconds(when))));
}

std::int64_t ModificationTime(const Path& path) {
    using namespace std::chrono;
    return duration_cast<seconds>(file_clock::to_sys(std::filesystem::last_write_time(path)).time_since_epoch()).count();
}

#ifndef _WIN32
// The new file is the old one in all but its bytes: permission bits, owner
// and group (when root saves another user's file) and extended attributes.
// A name near the longest allowed saves too.
TEST(SafeSave, ReplacesTheFileAndKeepsItsModeOwnerAndAttributes) {
    TempFolder dir;
    const std::string longName = std::string(250, 'w') + ".dat";
    for (const std::string& name : {std::string("weapon.dat"), longName}) {
        const Path table = dir.Path() / name;
        Put(table, "old text\r\n");
        ::chmod(table.c_str(), 0640);
        const bool asRoot = ::geteuid() == 0 && ::chown(table.c_str(), 4321, 4321) == 0;
        const bool attributes = ::setxattr(table.c_str(), "user.kelvor.note", "kept", 4, 0) == 0;
        SaveError error;
        ASSERT_TRUE(ReplaceFileSafely(table, "new text\r\n", Path(), &error)) << error.systemError;
        EXPECT_EQ(Slurp(table), "new text\r\n");
        struct stat st {};
        ::stat(table.c_str(), &st);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
        if (asRoot) EXPECT_EQ(std::pair(st.st_uid, st.st_gid), std::pair(4321u, 4321u));
        char value[8] = {};
        if (attributes) EXPECT_EQ(::getxattr(table.c_str(), "user.kelvor.note", value, sizeof value), 4);
        if (attributes) EXPECT_STREQ(value, "kept");
        std::filesystem::remove(table);
        EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{});
    }
}

// Saves killed at any moment of writing 32 MiB leave no file of theirs:
// the new file has no name until it is complete. What earlier interrupted
// saves left is removed by the next save once it is an hour old.
TEST(SafeSave, KilledSavesLeaveNothingAndOldLeftoversAreRemoved) {
    TempFolder dir;
    const Path table = dir.Path() / "weapon.dat";
    const std::string original(32 << 20, 'o'), changed(32 << 20, 'c');
    Put(table, original);
    for (int kill = 0; kill < 5; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) SaveTableFile(table, kill % 2 ? changed : original, nullptr);
        }
        ::usleep(static_cast<useconds_t>(20000 + 60000 * kill));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = Slurp(table);
        EXPECT_TRUE(now == original || now == changed) << "torn table after kill " << kill;
        std::set<std::string> left = Entries(dir.Path());
        left.erase("weapon.org");  // there once the first save got through
        EXPECT_EQ(left, std::set<std::string>{"weapon.dat"}) << "kill " << kill;
    }

    const auto hoursAgo = [&](const char* name, int hours) {
        Put(dir.Path() / name, "left");
        const timeval past[2] = {{::time(nullptr) - hours * 3600, 0}, {::time(nullptr) - hours * 3600, 0}};
        ::utimes((dir.Path() / name).c_str(), past);
    };
    hoursAgo(".kelvor-a1b2c3", 2);       // ours, old: removed
    hoursAgo(".weapon.dat.Xy12Zq", 2);   // an earlier version's, old: removed
    hoursAgo(".kelvor-d4e5f6", 0);       // maybe a save running now: kept
    hoursAgo(".kelvor-notes.txt", 2);    // not a name of ours: kept
    ASSERT_TRUE(SaveTableFile(table, "small", nullptr));
    EXPECT_EQ(Entries(dir.Path()),
              (std::set<std::string>{".kelvor-d4e5f6", ".kelvor-notes.txt", "weapon.dat", "weapon.org"}));
}

#endif  // POSIX owners, attributes and processes

TEST(SafeSave, AFailingWriterLeavesTheFileAsItWasAndNoTemporaryFile) {
    struct Case {
        const char* what;
        int failAt;
        std::size_t shortBy;
    } cases[] = {{"write fails", 1, 0}, {"short write, then the disk is full", 1, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        const Path table = dir.Path() / "weapon.dat";
        Put(table, "the table\r\n");
        FailingWriter writer{c.failAt, c.shortBy};
        SaveError error;
        EXPECT_FALSE(SaveTableFile(table, std::string(5000, 'x'), &error, writer.Factory()));
        EXPECT_EQ(error.kind, SaveError::Kind::Write);
        EXPECT_EQ(error.systemError, "No space left on device");
        EXPECT_EQ(error.path, table);
        EXPECT_EQ(Slurp(table), "the table\r\n");
        EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"weapon.dat"});  // and no weapon.org
    }
}

TEST(SafeSave, AShortWriteIsContinuedWithTheRest) {
    TempFolder dir;
    FailingWriter writer{1, 1000, true};
    const std::string text(4000, 'y');
    ASSERT_TRUE(ReplaceFileSafely(dir.Path() / "weapon.dat", text, Path(), nullptr, writer.Factory()));
    EXPECT_EQ(Slurp(dir.Path() / "weapon.dat"), text);
}

// A file saved in pieces is their bytes in order, however short or long
// each is, and a failing write among them leaves the old file.
TEST(SafeSave, PiecesAreSavedAsOneFile) {
    TempFolder dir;
    const Path table = dir.Path() / "weapon.dat";
    const std::string large(300 << 10, 'L');
    std::vector<std::string_view> pieces{"a,", "", large, "b\r\n"};
    for (int k = 0; k < 5000; ++k) pieces.push_back(k % 2 ? "x,y\r\n" : "z\n");
    std::string joined;
    for (std::string_view piece : pieces) joined += piece;
    ASSERT_TRUE(SaveTableFile(table, pieces, nullptr));
    EXPECT_EQ(Slurp(table), joined);

    FailingWriter writer{2, 0};
    EXPECT_FALSE(ReplaceFileSafely(table, Pieces(pieces).subspan(1), Path(), nullptr, writer.Factory()));
    EXPECT_EQ(Slurp(table), joined);
}

TEST(SafeSave, TheTableBackupIsMadeOnceWithTheOldBytesAndTime) {
    TempFolder dir;
    const Path table = dir.Path() / "weapon.dat", backup = dir.Path() / "weapon.org";
    EXPECT_EQ(TableBackupPath(table), backup);
    Put(table, "first\r\n");
    SetModificationTime(table, 1000000000);
    ASSERT_TRUE(SaveTableFile(table, "second\r\n", nullptr));
    EXPECT_EQ(Slurp(backup), "first\r\n");
    EXPECT_EQ(ModificationTime(backup), 1000000000);
    EXPECT_EQ(Slurp(table), "second\r\n");

    // An existing backup is never replaced, whichever table of the folder is saved.
    ASSERT_TRUE(SaveTableFile(table, "third\r\n", nullptr));
    Put(dir.Path() / "other.dat", "other\r\n");
    ASSERT_TRUE(SaveTableFile(dir.Path() / "other.dat", "changed\r\n", nullptr));
    EXPECT_EQ(Slurp(backup), "first\r\n");
    EXPECT_EQ(Slurp(table), "third\r\n");
    EXPECT_EQ(Entries(dir.Path()), (std::set<std::string>{"other.dat", "weapon.dat", "weapon.org"}));

    // No file to set aside means no backup.
    TempFolder fresh;
    ASSERT_TRUE(SaveTableFile(fresh.Path() / "new.dat", "text", nullptr));
    EXPECT_EQ(Entries(fresh.Path()), std::set<std::string>{"new.dat"});
}

#ifndef _WIN32
TEST(SafeSave, ABackupOnAnotherFileSystemIsACopyWithTheSameBytesAndTime) {
    TempFolder dir;
    char otherName[] = "/dev/shm/kelvor-XXXXXX";
    struct stat a {}, b {};
    if (!::mkdtemp(otherName)) GTEST_SKIP() << "needs /dev/shm";
    const Path other = otherName;
    struct Cleanup {
        Path at;
        ~Cleanup() { std::filesystem::remove_all(at); }
    } cleanup{other};
    if (::stat(dir.Path().c_str(), &a) != 0 || ::stat(other.c_str(), &b) != 0 || a.st_dev == b.st_dev)
        GTEST_SKIP() << "needs a second file system";
    Put(dir.Path() / "weapon.dat", "old\r\n");
    SetModificationTime(dir.Path() / "weapon.dat", 1200000000);
    ASSERT_TRUE(ReplaceFileSafely(dir.Path() / "weapon.dat", "new\r\n", other / "weapon.org", nullptr));
    EXPECT_EQ(Slurp(other / "weapon.org"), "old\r\n");
    EXPECT_EQ(ModificationTime(other / "weapon.org"), 1200000000);
    EXPECT_EQ(Entries(other), std::set<std::string>{"weapon.org"});
}

TEST(SafeSave, SavingThroughALinkUpdatesTheFileItNames) {
    TempFolder dir;
    Put(dir.Path() / "real.dat", "old");
    std::filesystem::create_symlink("real.dat", dir.Path() / "weapon.dat");
    ASSERT_TRUE(ReplaceFileSafely(dir.Path() / "weapon.dat", "new", Path(), nullptr));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "weapon.dat"));
    EXPECT_EQ(Slurp(dir.Path() / "real.dat"), "new");
}
#endif  // a second file system, links

TEST(SafeSave, NoPlaceToWriteIsAnOpenFailure) {
    TempFolder dir;
    SaveError error;
    EXPECT_FALSE(ReplaceFileSafely(dir.Path() / "missing" / "weapon.dat", "x", Path(), &error));
    EXPECT_EQ(error.kind, SaveError::Kind::Open);
    EXPECT_FALSE(error.systemError.empty());
    EXPECT_FALSE(ReplaceFileSafely(dir.Path(), "x", Path(), &error));  // a folder
    EXPECT_EQ(error.kind, SaveError::Kind::Open);
}

#ifndef _WIN32
// Saves a text far larger than the room there is over `table`, in a child
// process; gives the child's exit code (0: the save reported failure).
int SaveTooLargeInChild(const Path& table, rlim_t fileSizeLimit) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (fileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            const struct rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        SaveError error;
        const bool ok = ReplaceFileSafely(table, std::string(1 << 20, 'z'), Path(), &error);
        ::_exit(ok ? 1 : error.kind == SaveError::Kind::Write && !error.systemError.empty() ? 0 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST(SafeSave, AFullDiskLeavesTheOriginalIntact) {
    TempFolder dir;
    const std::string original(10000, 'o');
    Put(dir.Path() / "weapon.dat", original);
    EXPECT_EQ(SaveTooLargeInChild(dir.Path() / "weapon.dat", 64 * 1024), 0);
    EXPECT_EQ(Slurp(dir.Path() / "weapon.dat"), original);
    EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"weapon.dat"});
}

TEST(SafeSave, AFullTmpfsLeavesTheOriginalIntact) {
    TempFolder dir;
    if (::geteuid() != 0 || ::mount("tmpfs", dir.Path().c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    struct Unmount {
        Path at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{dir.Path()};
    const std::string original(10000, 'o');
    Put(dir.Path() / "weapon.dat", original);
    EXPECT_EQ(SaveTooLargeInChild(dir.Path() / "weapon.dat", 0), 0);
    EXPECT_EQ(Slurp(dir.Path() / "weapon.dat"), original);
    EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"weapon.dat"});
}

#endif  // full disks

// What is not a regular file is refused at once, before any read could
// block: a named pipe without a writer, a device, a folder.
TEST(SafeSave, ReadsRefuseWhatIsNoRegularFileWithoutWaiting) {
    TempFolder folder;
    const Path dir = folder.Path();
#ifdef _WIN32
    for (const Path& path : {Path("NUL"), dir}) {
#else
    const Path pipe = dir / "weapon.dat";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const Path& path : {pipe, Path("/dev/zero"), dir}) {
#endif
        std::string text, error;
        EXPECT_FALSE(ReadWholeFile(path, IntoBuffer(text), &error)) << path;
        EXPECT_FALSE(ReadFirstLine(path, text, &error)) << path;
        EXPECT_FALSE(CanOpenForReading(path)) << path;
        MappedFile mapped;
        EXPECT_FALSE(mapped.Open(path, &error)) << path;
        EXPECT_FALSE(error.empty());
    }
    // A first line longer than any single-unit file is refused too.
    std::ofstream(dir / "huge.kmv") << std::string((std::size_t{1} << 20) + 10, 'x');
    std::string line, error;
    EXPECT_FALSE(ReadFirstLine(dir / "huge.kmv", line, &error));
}

// Something at the backup's name that is no file would leave the table's
// first version nowhere: the save is refused and nothing is written.
TEST(SafeSave, ABackupNameTakenByAFolderABrokenLinkOrAPipeRefusesTheSave) {
#ifdef _WIN32
    for (const std::string kind : {"folder"}) {  // links need rights a user lacks there
#else
    for (const std::string kind : {"folder", "broken link", "pipe"}) {
#endif
        TempFolder folder;
        const Path dir = folder.Path();
        std::ofstream(dir / "weapon.dat") << "old";
        if (kind == "folder")
            std::filesystem::create_directory(dir / "weapon.org");
        else if (kind == "broken link")
            std::filesystem::create_symlink(dir / "gone", dir / "weapon.org");
#ifndef _WIN32
        else
            ASSERT_EQ(mkfifo((dir / "weapon.org").c_str(), 0600), 0);
#endif
        SaveError error;
        EXPECT_FALSE(SaveTableFile(dir / "weapon.dat", "new", &error)) << kind;
        EXPECT_EQ(error.kind, SaveError::Kind::Backup) << kind;
        EXPECT_EQ(error.path, dir / "weapon.org") << kind;
        EXPECT_EQ(Slurp(dir / "weapon.dat"), "old") << kind;
    }
}

#ifndef _WIN32
// A save never puts a file where a pipe or a device stands, and a loop of
// links is refused; what stood there stays.
TEST(SafeSave, WritingOntoAPipeOrALoopOfLinksIsRefusedAndLeavesThemAsTheyWere) {
    TempFolder folder;
    const Path dir = folder.Path();
    ASSERT_EQ(mkfifo((dir / "out.kmv").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir / "b", dir / "a");
    std::filesystem::create_symlink(dir / "a", dir / "b");
    for (const Path& target : {dir / "out.kmv", dir / "a"}) {
        SaveError error;
        EXPECT_FALSE(ReplaceFileSafely(target, "3,x", Path(), &error)) << target;
        EXPECT_EQ(error.kind, SaveError::Kind::Open);
        EXPECT_FALSE(error.systemError.empty());
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "out.kmv"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "a"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 3);  // no temporary file left
}

#endif  // pipes and links

}  // namespace
}  // namespace kelvor::table
