#include "table/file_system.h"

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

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

namespace kelvor::table::filesystem {

#ifndef _WIN32

namespace {

int Result(int r) { return r == 0 ? 0 : errno; }

}  // namespace

int SyncFile(int fd) { return Result(::fsync(fd)); }

void SyncFolder(const Path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

int CopyPermissions(const Path& model, int fd) {
    mode_t mode;
    struct stat st;
    if (!model.empty() && ::stat(model.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    return Result(::fchmod(fd, mode));
}

int CopyModificationTime(const Path& from, int fd) {
    struct stat st;
    if (::stat(from.c_str(), &st) != 0) return errno;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    return Result(::futimens(fd, times));
}

int Link(const Path& from, const Path& to) { return Result(::link(from.c_str(), to.c_str())); }

int RenameReplacing(const Path& from, const Path& to) { return Result(::rename(from.c_str(), to.c_str())); }

int RenameNoReplace(const Path& from, const Path& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
#endif
    // A second name then dropping the first never replaces either.
    const int linked = Link(from, to);
    if (linked == 0) return Result(::unlink(from.c_str()));
    if (linked == EEXIST) return EEXIST;
    // No links here: check, then rename (the best this file system allows).
    struct stat st;
    if (::lstat(to.c_str(), &st) == 0) return EEXIST;
    return RenameReplacing(from, to);
}

int Remove(const Path& path) { return Result(::unlink(path.c_str())); }

int CheckWritable(const Path& path, bool& exists) {
    struct stat st;
    exists = ::stat(path.c_str(), &st) == 0;
    if (!exists) return 0;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    return ::access(path.c_str(), W_OK) == 0 ? 0 : EACCES;
}

TemporaryFile::TemporaryFile(const Path& forFile) {
    std::string pattern = (forFile.parent_path() / ("." + forFile.filename().native() + ".XXXXXX")).native();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    path_ = pattern;
}

void TemporaryFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

#else

namespace {

int LastError() {
    switch (GetLastError()) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    default: return EIO;
    }
}

}  // namespace

int SyncFile(int fd) { return _commit(fd) == 0 ? 0 : errno; }

void SyncFolder(const Path&) {}

int CopyPermissions(const Path&, int) { return 0; }

int CopyModificationTime(const Path& from, int fd) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(from.c_str(), GetFileExInfoStandard, &data)) return LastError();
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return SetFileTime(handle, nullptr, &data.ftLastAccessTime, &data.ftLastWriteTime) ? 0 : LastError();
}

int Link(const Path& from, const Path& to) { return CreateHardLinkW(to.c_str(), from.c_str(), nullptr) ? 0 : LastError(); }

int RenameReplacing(const Path& from, const Path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : LastError();
}

int RenameNoReplace(const Path& from, const Path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) ? 0 : LastError();
}

int Remove(const Path& path) { return DeleteFileW(path.c_str()) ? 0 : LastError(); }

int CheckWritable(const Path& path, bool& exists) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) return 0;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return EISDIR;
    return (attributes & FILE_ATTRIBUTE_READONLY) ? EACCES : 0;
}

TemporaryFile::TemporaryFile(const Path& forFile) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const Path candidate =
            forFile.parent_path() / (L"." + forFile.filename().native() + L"." + std::to_wstring(random()));
        fd_ = _wopen(candidate.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd_ >= 0) {
            path_ = candidate;
            return;
        }
        if (errno != EEXIST) break;
    }
    error_ = errno;
}

void TemporaryFile::Close() {
    if (fd_ >= 0) _close(fd_);
    fd_ = -1;
}

#endif

TemporaryFile::~TemporaryFile() {
    Close();
    if (!keep_ && !path_.empty()) Remove(path_);
}

Path ResolveLinks(const Path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const Path target = std::filesystem::canonical(path, ec);
    if (!ec) return target;
    // A dangling link: write where it points.
    const Path pointed = std::filesystem::read_symlink(path, ec);
    if (ec) return path;
    return pointed.is_absolute() ? pointed : path.parent_path() / pointed;
}

}  // namespace kelvor::table::filesystem
