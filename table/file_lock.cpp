#include "table/file_lock.h"

#include <cerrno>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelvor::table {

struct LockAccess {
    static long long& handle(FileLock& lock) { return lock.handle_; }
};

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPoll{20};

#ifndef _WIN32

// Opens what carries the lock: the file, or its folder when there is no file.
int OpenLockTarget(const Path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0 || errno != ENOENT) return fd;
    const Path folder = path.parent_path().empty() ? Path(".") : path.parent_path();
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Whether the locked descriptor still is what the name stands for: a save
// renames a new file over the name, and the lock on the old one keeps
// nobody out.
bool StillNamed(int fd, const Path& path) {
    struct stat held, named;
    if (::fstat(fd, &held) != 0) return false;
    if (S_ISDIR(held.st_mode)) return ::stat(path.c_str(), &named) != 0 && errno == ENOENT;
    return ::stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// One attempt: Held, Busy (someone else has it) or Failed.
LockResult TryOnce(const Path& path, long long& handle, std::string* error) {
    const int fd = OpenLockTarget(path);
    if (fd < 0) {
        if (error) *error = ErrorText(errno);
        return LockResult::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        if (e == EWOULDBLOCK || e == EINTR) return LockResult::Busy;
        if (error) *error = ErrorText(e);
        return LockResult::Failed;
    }
    if (!StillNamed(fd, path)) {
        ::close(fd);
        return LockResult::Busy;  // taken at once again on the new file
    }
    handle = fd;
    return LockResult::Held;
}

void Unlock(long long handle) { ::close(static_cast<int>(handle)); }

#else

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens what carries the lock: the file, or its folder when there is no file.
HANDLE OpenLockTarget(const Path& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND) return file;
    const Path folder = path.parent_path().empty() ? Path(".") : path.parent_path();
    return CreateFileW(folder.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                       nullptr);
}

// The file's volume and number, which stay with it through renames.
bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION x, y;
    return GetFileInformationByHandle(a, &x) && GetFileInformationByHandle(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
           x.nFileIndexLow == y.nFileIndexLow;
}

// Whether the locked handle still is what the name stands for (see the
// POSIX side).
bool StillNamed(HANDLE held, const Path& path) {
    const HANDLE named = OpenLockTarget(path);
    if (named == INVALID_HANDLE_VALUE) return false;
    const bool same = SameFile(held, named);
    CloseHandle(named);
    return same;
}

// Windows locks are mandatory: a locked byte can be read by no one else.
// The lock is on one byte far past any table's end, which no read reaches,
// so that it keeps out only those who take it too.
constexpr DWORD kLockedByteHigh = 0x40000000;

LockResult TryOnce(const Path& path, long long& handle, std::string* error) {
    const HANDLE h = OpenLockTarget(path);
    if (h == INVALID_HANDLE_VALUE) {
        if (error) *error = ErrorText(ErrnoOfWindowsError(GetLastError()));
        return LockResult::Failed;
    }
    OVERLAPPED at{};
    at.OffsetHigh = kLockedByteHigh;
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD e = GetLastError();
        CloseHandle(h);
        if (e == ERROR_LOCK_VIOLATION || e == ERROR_IO_PENDING) return LockResult::Busy;
        if (error) *error = ErrorText(ErrnoOfWindowsError(e));
        return LockResult::Failed;
    }
    if (!StillNamed(h, path)) {
        CloseHandle(h);
        return LockResult::Busy;  // taken at once again on the new file
    }
    handle = reinterpret_cast<long long>(h);
    return LockResult::Held;
}

void Unlock(long long handle) { CloseHandle(reinterpret_cast<HANDLE>(handle)); }

#endif

}  // namespace

void FileLock::Release() {
    if (handle_ != kNone) Unlock(handle_);
    handle_ = kNone;
}

LockResult LockForRewrite(const Path& path, FileLock& lock, const LockWait& wait, std::string* error) {
    lock.Release();
    const Clock::time_point start = Clock::now();
    bool told = false;
    for (;;) {
        const LockResult r = TryOnce(path, LockAccess::handle(lock), error);
        if (r != LockResult::Busy) return r;
        const auto waited = Clock::now() - start;
        if (waited >= wait.giveUpAfter) return LockResult::Busy;
        if (!told && waited >= wait.tellAfter) {
            told = true;
            if (wait.waiting) wait.waiting();
        }
        std::this_thread::sleep_for(kPoll);
    }
}

}  // namespace kelvor::table
