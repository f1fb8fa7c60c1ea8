#include "table/file_io.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelvor::table {

namespace {

// Not an errno: a device or a pipe has no size to read it by.
constexpr int kNotRegular = -1;
// A first line read is a single-unit file's one line: a few kilobytes.
constexpr std::size_t kMaxFirstLine = std::size_t{1} << 20;

void SetError(std::string* error, int code) {
    if (error) *error = code == kNotRegular ? std::string("not a regular file") : ErrorText(code);
}

#ifdef _WIN32
using Stat = struct _stat64;
// Opened with every kind of sharing: a save of another program may put a
// new file under the name while this one is read. A folder opens too (and
// is then refused as a folder).
int OpenForReading(const Path& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        errno = ErrnoOfWindowsError(GetLastError());
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) CloseHandle(file);
    return fd;
}
int Status(int fd, Stat& st) {
    if (_fstat64(fd, &st) != 0) return -1;
    // The C library's status of an open folder does not say it is one.
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileInformationByHandle(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), &info) &&
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        st.st_mode = _S_IFDIR;
    return 0;
}
long long ReadSome(int fd, char* to, std::size_t size) {
    return _read(fd, to, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
void Close(int fd) { _close(fd); }
bool IsFolder(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFDIR; }
bool IsRegular(const Stat& st) { return (st.st_mode & _S_IFMT) == _S_IFREG; }
#else
using Stat = struct stat;
// Without blocking: a named pipe with no writer would hold the open for
// ever. What is opened is checked to be a regular file before any read.
int OpenForReading(const Path& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }
int Status(int fd, Stat& st) { return ::fstat(fd, &st); }
long long ReadSome(int fd, char* to, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, to, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}
void Close(int fd) { ::close(fd); }
bool IsFolder(const Stat& st) { return S_ISDIR(st.st_mode); }
bool IsRegular(const Stat& st) { return S_ISREG(st.st_mode); }
#endif

// An open file that closes itself.
class Reader {
public:
    explicit Reader(const Path& path) : fd_(OpenForReading(path)), openError_(fd_ < 0 ? errno : 0) {}
    ~Reader() {
        if (fd_ >= 0) Close(fd_);
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // 0 when the file is open and a regular file; else why not.
    int Check(Stat& st) const {
        if (fd_ < 0) return openError_;
        if (Status(fd_, st) != 0) return errno;
        if (IsFolder(st)) return EISDIR;
        if (!IsRegular(st)) return kNotRegular;
        return 0;
    }
    int fd() const { return fd_; }
    // The descriptor is the caller's from now on.
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
    int openError_;
};

}  // namespace

std::string ErrorText(int error) { return std::generic_category().message(error); }

#ifdef _WIN32
int ErrnoOfWindowsError(unsigned long code) {
    switch (code) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    default: return EIO;
    }
}
#endif

bool ReadWholeFile(const Path& path, const std::function<char*(std::size_t size)>& prepare, std::string* error) {
    Reader file(path);
    Stat st{};
    if (const int e = file.Check(st)) {
        SetError(error, e);
        return false;
    }
    return ReadOpenFile(file.fd(), static_cast<std::size_t>(st.st_size), prepare, error);
}

bool ReadOpenFile(int fd, std::size_t size, const std::function<char*(std::size_t size)>& prepare, std::string* error) {
    char* buffer = prepare(size);
    if (!buffer) {
        SetError(error, EFBIG);
        return false;
    }
    std::size_t got = 0;
    while (got < size) {
        const long long n = ReadSome(fd, buffer + got, size - got);
        if (n < 0) {
            SetError(error, errno);
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    char more;
    if (got != size || ReadSome(fd, &more, 1) != 0) {  // the file changed size while it was read
        SetError(error, EIO);
        return false;
    }
    return true;
}

#ifndef _WIN32
int OpenRegularFile(const Path& path, std::size_t& size, std::string* error) {
    Reader file(path);
    Stat st{};
    if (const int e = file.Check(st)) {
        SetError(error, e);
        return -1;
    }
    size = static_cast<std::size_t>(st.st_size);
    return file.Release();
}
#endif

bool CanOpenForReading(const Path& path) {
    Reader file(path);
    Stat st{};
    return file.Check(st) == 0;
}

bool ReadFirstLine(const Path& path, std::string& line, std::string* error) {
    Reader file(path);
    Stat st{};
    if (const int e = file.Check(st)) {
        SetError(error, e);
        return false;
    }
    line.clear();
    char chunk[4096];
    for (;;) {
        if (line.size() > kMaxFirstLine) {  // no single-unit file is that long
            SetError(error, EFBIG);
            return false;
        }
        const long long n = ReadSome(file.fd(), chunk, sizeof chunk);
        if (n < 0) {
            SetError(error, errno);
            return false;
        }
        if (n == 0) return true;
        const std::string_view got(chunk, static_cast<std::size_t>(n));
        const std::size_t lf = got.find('\n');
        if (lf != std::string_view::npos) {
            line.append(got.substr(0, lf));
            return true;
        }
        line.append(got);
    }
}

}  // namespace kelvor::table
