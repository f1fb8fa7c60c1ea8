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
    if (::stat(path.c_str(), &named) == 0) return named.st_dev == held.st_dev && named.st_ino == held.st_ino;
    return errno == ENOENT && S_ISDIR(held.st_mode);  // the folder of a file not made yet
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

LockResult TryOnce(const Path& path, long long& handle, std::string* error) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
        const Path folder = path.parent_path().empty() ? Path(".") : path.parent_path();
        h = CreateFileW(folder.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    }
    if (h == INVALID_HANDLE_VALUE) {
        if (error) *error = ErrorText(EACCES);
        return LockResult::Failed;
    }
    OVERLAPPED at{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &at)) {
        const DWORD e = GetLastError();
        CloseHandle(h);
        if (e == ERROR_LOCK_VIOLATION || e == ERROR_IO_PENDING) return LockResult::Busy;
        if (error) *error = ErrorText(EACCES);
        return LockResult::Failed;
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
