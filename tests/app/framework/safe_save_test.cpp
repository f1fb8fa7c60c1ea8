#include <gtest/gtest.h>

#include <QFileInfo>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include "app/framework/files.h"
#include "tests/app/framework/file_helpers.h"

namespace kelvor::fw {
namespace {

using testing::Entries;
using testing::Path;
using testing::Put;
using testing::QPath;
using testing::Slurp;

// A file service whose sink fails at write number failAt (1-based): with an
// error, or, when shortBy is set, by writing that many bytes fewer and then
// failing the next write.
class FaultyFiles : public FileService {
public:
    int failAt = 0;
    std::size_t shortBy = 0;
    bool recoverAfterShort = false;  // the write after a short one succeeds
    int writes = 0;

protected:
    std::unique_ptr<ByteSink> OpenSink(QFile& file) override {
        struct Sink : ByteSink {
            FaultyFiles& owner;
            std::unique_ptr<ByteSink> real;
            Sink(FaultyFiles& o, std::unique_ptr<ByteSink> r) : owner(o), real(std::move(r)) {}
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
        return std::make_unique<Sink>(*this, FileService::OpenSink(file));
    }
};

void SetModificationTime(const QString& path, time_t when) {
    const struct utimbuf times{when, when};
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);
}

time_t ModificationTime(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mtime;
}

TEST(SafeSave, ReplacesTheFileAndKeepsItsPermissions) {
    QTemporaryDir dir;
    Put(QPath(dir, "weapon.dat"), "old text\r\n");
    ::chmod(QFile::encodeName(QPath(dir, "weapon.dat")).constData(), 0640);
    FileService files;
    SaveError error;
    ASSERT_TRUE(files.ReplaceFileSafely(Path(dir, "weapon.dat"), "new text\r\n", "", &error)) << error.systemError;
    EXPECT_EQ(Slurp(QPath(dir, "weapon.dat")), "new text\r\n");
    struct stat st {};
    ::stat(QFile::encodeName(QPath(dir, "weapon.dat")).constData(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("weapon.dat")});
}

TEST(SafeSave, AFailedWriteLeavesTheFileAsItWasAndNoTemporaryFile) {
    struct Case {
        const char* what;
        int failAt;
        std::size_t shortBy;
    } cases[] = {{"write fails", 1, 0}, {"short write, then the disk is full", 1, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        Put(QPath(dir, "weapon.dat"), "the table\r\n");
        FaultyFiles files;
        files.failAt = c.failAt;
        files.shortBy = c.shortBy;
        SaveError error;
        EXPECT_FALSE(files.ReplaceFileSafely(Path(dir, "weapon.dat"), std::string(5000, 'x'), Path(dir, "weapon.org"),
                                             &error));
        EXPECT_EQ(error.kind, SaveError::Kind::Write);
        EXPECT_EQ(error.systemError, "No space left on device");
        EXPECT_EQ(error.path, Path(dir, "weapon.dat"));
        EXPECT_EQ(Slurp(QPath(dir, "weapon.dat")), "the table\r\n");
        EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("weapon.dat")});
    }
}

TEST(SafeSave, AShortWriteIsContinuedWithTheRest) {
    QTemporaryDir dir;
    FaultyFiles files;
    files.failAt = 1;
    files.shortBy = 1000;
    files.recoverAfterShort = true;
    const std::string text(4000, 'y');
    ASSERT_TRUE(files.ReplaceFileSafely(Path(dir, "weapon.dat"), text, "", nullptr));
    EXPECT_EQ(Slurp(QPath(dir, "weapon.dat")), text);
}

TEST(SafeSave, TheBackupIsMadeOnceWithTheOldBytesAndTime) {
    QTemporaryDir dir;
    const QString table = QPath(dir, "weapon.dat"), backup = QPath(dir, "weapon.org");
    Put(table, "first\r\n");
    SetModificationTime(table, 1000000000);
    FileService files;
    ASSERT_TRUE(files.ReplaceFileSafely(ToPath(table), "second\r\n", ToPath(backup), nullptr));
    EXPECT_EQ(Slurp(backup), "first\r\n");
    EXPECT_EQ(ModificationTime(backup), 1000000000);
    EXPECT_EQ(Slurp(table), "second\r\n");

    // An existing backup is never replaced.
    ASSERT_TRUE(files.ReplaceFileSafely(ToPath(table), "third\r\n", ToPath(backup), nullptr));
    EXPECT_EQ(Slurp(backup), "first\r\n");
    EXPECT_EQ(Slurp(table), "third\r\n");
    EXPECT_EQ(Entries(dir.path()), (QStringList{QStringLiteral("weapon.dat"), QStringLiteral("weapon.org")}));
}

TEST(SafeSave, NoFileToSetAsideMeansNoBackup) {
    QTemporaryDir dir;
    FileService files;
    ASSERT_TRUE(files.ReplaceFileSafely(Path(dir, "new.dat"), "text", Path(dir, "weapon.org"), nullptr));
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("new.dat")});
}

TEST(SafeSave, ABackupOnAnotherFileSystemIsACopyWithTheSameBytesAndTime) {
    QTemporaryDir dir;
    QTemporaryDir other(QStringLiteral("/dev/shm/kelvor-XXXXXX"));
    struct stat a {}, b {};
    if (!other.isValid() || ::stat(QFile::encodeName(dir.path()).constData(), &a) != 0 ||
        ::stat(QFile::encodeName(other.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        GTEST_SKIP() << "needs a second file system";
    Put(QPath(dir, "weapon.dat"), "old\r\n");
    SetModificationTime(QPath(dir, "weapon.dat"), 1200000000);
    FileService files;
    ASSERT_TRUE(files.ReplaceFileSafely(Path(dir, "weapon.dat"), "new\r\n", Path(other, "weapon.org"), nullptr));
    EXPECT_EQ(Slurp(QPath(other, "weapon.org")), "old\r\n");
    EXPECT_EQ(ModificationTime(QPath(other, "weapon.org")), 1200000000);
    EXPECT_EQ(Entries(other.path()), QStringList{QStringLiteral("weapon.org")});
}

TEST(SafeSave, SavingThroughALinkUpdatesTheFileItNames) {
    QTemporaryDir dir;
    Put(QPath(dir, "real.dat"), "old");
    ASSERT_TRUE(QFile::link(QPath(dir, "real.dat"), QPath(dir, "weapon.dat")));
    FileService files;
    ASSERT_TRUE(files.ReplaceFileSafely(Path(dir, "weapon.dat"), "new", "", nullptr));
    EXPECT_TRUE(QFileInfo(QPath(dir, "weapon.dat")).isSymLink());
    EXPECT_EQ(Slurp(QPath(dir, "real.dat")), "new");
}

TEST(SafeSave, NoPlaceToWriteIsAnOpenFailure) {
    QTemporaryDir dir;
    FileService files;
    SaveError error;
    EXPECT_FALSE(files.ReplaceFileSafely(Path(dir, "missing/weapon.dat"), "x", "", &error));
    EXPECT_EQ(error.kind, SaveError::Kind::Open);
    EXPECT_FALSE(error.systemError.empty());
    EXPECT_FALSE(files.ReplaceFileSafely(ToPath(dir.path()), "x", "", &error));  // a folder
    EXPECT_EQ(error.kind, SaveError::Kind::Open);
}

// Saves a text far larger than the room there is over `table`, in a child
// process; gives the child's exit code (0: the save reported failure).
int SaveTooLargeInChild(const QString& table, rlim_t fileSizeLimit) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (fileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            const struct rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        FileService files;
        SaveError error;
        const bool ok = files.ReplaceFileSafely(ToPath(table), std::string(1 << 20, 'z'), "", &error);
        ::_exit(ok ? 1 : error.kind == SaveError::Kind::Write && !error.systemError.empty() ? 0 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST(SafeSave, AFullDiskLeavesTheOriginalIntact) {
    QTemporaryDir dir;
    const std::string original(10000, 'o');
    Put(QPath(dir, "weapon.dat"), original);
    EXPECT_EQ(SaveTooLargeInChild(QPath(dir, "weapon.dat"), 64 * 1024), 0);
    EXPECT_EQ(Slurp(QPath(dir, "weapon.dat")), original);
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("weapon.dat")});
}

TEST(SafeSave, AFullTmpfsLeavesTheOriginalIntact) {
    QTemporaryDir dir;
    if (::geteuid() != 0 ||
        ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(dir.path())};
    const std::string original(10000, 'o');
    Put(QPath(dir, "weapon.dat"), original);
    EXPECT_EQ(SaveTooLargeInChild(QPath(dir, "weapon.dat"), 0), 0);
    EXPECT_EQ(Slurp(QPath(dir, "weapon.dat")), original);
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("weapon.dat")});
}

}  // namespace
}  // namespace kelvor::fw
