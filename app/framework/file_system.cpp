#include "app/framework/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "app/framework/codec.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelvor::fw::filesystem {

std::string ErrorText(int error) { return Cp932FromUtf8(std::generic_category().message(error)); }

#ifndef _WIN32

namespace {

QByteArray Name(const QString& path) { return QFile::encodeName(path); }

int Result(int r) { return r == 0 ? 0 : errno; }

}  // namespace

int SyncFile(int fd) { return Result(::fsync(fd)); }

void SyncFolder(const QString& folder) {
    const int fd = ::open(Name(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

int CopyPermissions(const QString& model, int fd) {
    mode_t mode;
    struct stat st;
    if (!model.isEmpty() && ::stat(Name(model).constData(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    return Result(::fchmod(fd, mode));
}

int CopyModificationTime(const QString& from, int fd) {
    struct stat st;
    if (::stat(Name(from).constData(), &st) != 0) return errno;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    return Result(::futimens(fd, times));
}

int Link(const QString& from, const QString& to) { return Result(::link(Name(from).constData(), Name(to).constData())); }

int RenameReplacing(const QString& from, const QString& to) {
    return Result(::rename(Name(from).constData(), Name(to).constData()));
}

int RenameNoReplace(const QString& from, const QString& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, Name(from).constData(), AT_FDCWD, Name(to).constData(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
#endif
    // A second name then dropping the first never replaces either.
    const int linked = Link(from, to);
    if (linked == 0) return Result(::unlink(Name(from).constData()));
    if (linked == EEXIST) return EEXIST;
    // No links here: check, then rename (the best this file system allows).
    if (QFileInfo::exists(to)) return EEXIST;
    return RenameReplacing(from, to);
}

#else

namespace {

std::wstring Wide(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

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

void SyncFolder(const QString&) {}

int CopyPermissions(const QString& model, int) {
    (void)model;
    return 0;
}

int CopyModificationTime(const QString& from, int fd) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(from).c_str(), GetFileExInfoStandard, &data)) return LastError();
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return SetFileTime(handle, nullptr, &data.ftLastAccessTime, &data.ftLastWriteTime) ? 0 : LastError();
}

int Link(const QString& from, const QString& to) {
    return CreateHardLinkW(Wide(to).c_str(), Wide(from).c_str(), nullptr) ? 0 : LastError();
}

int RenameReplacing(const QString& from, const QString& to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : LastError();
}

int RenameNoReplace(const QString& from, const QString& to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH) ? 0 : LastError();
}

#endif

QString ResolveLinks(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString target = info.canonicalFilePath();
    // A dangling link: write where it points.
    return target.isEmpty() ? info.symLinkTarget() : target;
}

}  // namespace kelvor::fw::filesystem
