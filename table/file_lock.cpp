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
    const Path folder = FolderOf(path);
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

// Windows does not let a file be renamed over while any program holds it
// open (before the rename of Windows 10 that some file systems lack), so
// the lock cannot be held on the table itself as on Linux: it is held on a
// hidden file of its own beside it, named after the table, which the
// system removes when the last program holding it closes it.
LockResult TryOnce(const Path& path, long long& handle, std::string* error) {
    const Path folder = FolderOf(path);
    const Path lockFile = folder / (L"." + path.filename().native() + L".kelvor-lock");
    const HANDLE h = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD e = GetLastError();
        // Refused while its last holder's close removes it; in a folder
        // nobody may write to, it cannot be made at all.
        if (e == ERROR_ACCESS_DENIED && GetFileAttributesW(lockFile.c_str()) != INVALID_FILE_ATTRIBUTES)
            return LockResult::Busy;
        if (error) *error = ErrorText(ErrnoOfWindowsError(e));
        return LockResult::Failed;
    }
    OVERLAPPED at{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD e = GetLastError();
        CloseHandle(h);
        if (e == ERROR_LOCK_VIOLATION || e == ERROR_IO_PENDING) return LockResult::Busy;
        if (error) *error = ErrorText(ErrnoOfWindowsError(e));
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
