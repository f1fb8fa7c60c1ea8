#include "table/file_io.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
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
int OpenForReading(const Path& path) { return _wopen(path.c_str(), _O_RDONLY | _O_BINARY); }
int Status(int fd, Stat& st) { return _fstat64(fd, &st); }
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

private:
    int fd_;
    int openError_;
};

}  // namespace

std::string ErrorText(int error) { return std::generic_category().message(error); }

bool ReadWholeFile(const Path& path, const std::function<char*(std::size_t size)>& prepare, std::string* error) {
    Reader file(path);
    Stat st{};
    if (const int e = file.Check(st)) {
        SetError(error, e);
        return false;
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    char* buffer = prepare(size);
    if (!buffer) {
        SetError(error, EFBIG);
        return false;
    }
    std::size_t got = 0;
    while (got < size) {
        const long long n = ReadSome(file.fd(), buffer + got, size - got);
        if (n < 0) {
            SetError(error, errno);
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    char more;
    if (got != size || ReadSome(file.fd(), &more, 1) != 0) {  // the file changed size while it was read
        SetError(error, EIO);
        return false;
    }
    return true;
}

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
