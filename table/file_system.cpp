#include "table/file_system.h"

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

namespace kelvor::table::filesystem {

std::string RandomEnding() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::string ending(6, 'a');
    for (char& c : ending) c = kChars[random() % (sizeof kChars - 1)];
    return ending;
}

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

namespace {

mode_t DefaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Best effort: an attribute this file system or this saver cannot set is
// left out rather than failing the save.
void CopyExtendedAttributes(const Path& model, int fd) {
    const ssize_t listed = ::listxattr(model.c_str(), nullptr, 0);
    if (listed <= 0) return;
    std::string names(static_cast<std::size_t>(listed), '\0');
    const ssize_t got = ::listxattr(model.c_str(), names.data(), names.size());
    if (got <= 0) return;
    names.resize(static_cast<std::size_t>(got));
    std::string value;
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t size = ::getxattr(model.c_str(), name, nullptr, 0);
        if (size < 0) continue;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t read = ::getxattr(model.c_str(), name, value.data(), value.size());
        if (read >= 0) ::fsetxattr(fd, name, value.data(), static_cast<std::size_t>(read), 0);
    }
}

}  // namespace

int CopyAttributes(const Path& model, int fd) {
    struct stat st;
    if (model.empty() || ::stat(model.c_str(), &st) != 0) return Result(::fchmod(fd, DefaultMode()));
    // Owner first: giving a file away clears its set-id bits. Who may not
    // give it away may still keep its group.
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) ::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    if (::fchmod(fd, st.st_mode & 07777) != 0) return errno;
    CopyExtendedAttributes(model, fd);
    return 0;
}

int ReadBack(int fd, const std::function<bool(std::string_view block)>& matches) {
    // A block at a time, so that nothing of the file's size is held.
    std::string block(kReadBackBlock, '\0');
    for (off_t got = 0;;) {
        const ssize_t n = ::pread(fd, block.data(), block.size(), got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        if (!matches(std::string_view(block.data(), static_cast<std::size_t>(n)))) return EIO;
        got += n;
    }
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

TemporaryFile::TemporaryFile(const Path& forFile)
    : folder_(FolderOf(forFile)) {
#ifdef O_TMPFILE
    // Unnamed where the file system allows it and the name can be given
    // later through the descriptor's entry in /proc.
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
        if (::access("/proc/self/fd", X_OK) == 0) return;
        ::close(fd_);
    }
#endif
    std::string pattern = (folder_ / (std::string(kTemporaryPrefix) + "XXXXXX")).native();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    path_ = pattern;
}

int TemporaryFile::Name() {
    if (!path_.empty()) return 0;
    if (fd_ < 0) return EBADF;
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const Path name = folder_ / (kTemporaryPrefix + RandomEnding());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            path_ = name;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

void TemporaryFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

#endif  // the Windows branch is in file_system_windows.cpp

void RemoveLeftovers(const Path& forFile) {
    namespace stdfs = std::filesystem;
    using Native = Path::string_type;
    const Native dot = Path(".").native();
    const Native ours = Path(kTemporaryPrefix).native();
    const Native earlier = dot + forFile.filename().native() + dot;
    const auto hourAgo = stdfs::file_time_type::clock::now() - std::chrono::hours(1);
    std::error_code ec;
    for (stdfs::directory_iterator it(FolderOf(forFile), ec), end; !ec && it != end;
         it.increment(ec)) {
        const Native name = it->path().filename().native();
        const bool named = (name.size() == ours.size() + 6 && name.starts_with(ours)) ||
                           (name.size() == earlier.size() + 6 && name.starts_with(earlier));
        std::error_code statError;
        if (!named || it->is_symlink(statError) || !it->is_regular_file(statError)) continue;
        const auto written = it->last_write_time(statError);
        if (!statError && written < hourAgo) Remove(it->path());
    }
}

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
