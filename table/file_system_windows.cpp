// The Windows side of table/file_system.h: UTF-16 paths throughout, and
// Windows errors given as the error numbers the POSIX side gives.
#include "table/file_system.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace kelvor::table::filesystem {

namespace {

int LastError() { return ErrnoOfWindowsError(GetLastError()); }

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// As Windows 10 declares them (mingw-w64 only for builds that need a newer
// Windows 10 to run).
struct RenameInfoEx {
    DWORD flags;
    HANDLE rootDirectory;
    DWORD fileNameLength;
    WCHAR fileName[1];
};
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kReplaceIfExists = 0x1, kPosixSemantics = 0x2;

// The rename of Windows 10 and later that replaces a file even while other
// programs have it open with delete sharing (the rewrite lock and readers
// of ours do); open handles keep the old file.
bool RenameReplacingOpenFile(const Path& from, const Path& to) {
    const HANDLE file = CreateFileW(from.c_str(), DELETE | SYNCHRONIZE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const std::wstring name = std::filesystem::absolute(to).native();
    std::vector<char> buffer(sizeof(RenameInfoEx) + name.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<RenameInfoEx*>(buffer.data());
    info->flags = kReplaceIfExists | kPosixSemantics;
    info->rootDirectory = nullptr;
    info->fileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
    std::memcpy(info->fileName, name.data(), info->fileNameLength);
    const bool renamed =
        SetFileInformationByHandle(file, kFileRenameInfoEx, info, static_cast<DWORD>(buffer.size())) != 0;
    CloseHandle(file);
    return renamed;
}

}  // namespace

int SyncFile(int fd) { return _commit(fd) == 0 ? 0 : errno; }

void SyncFolder(const Path&) {}

int CopyAttributes(const Path&, int) { return 0; }

int ReadBack(int fd, const std::function<bool(std::string_view block)>& matches) {
    if (_lseeki64(fd, 0, SEEK_SET) != 0) return errno;
    std::string block(kReadBackBlock, '\0');
    for (;;) {
        const int n = _read(fd, block.data(), static_cast<unsigned>(block.size()));
        if (n < 0) return errno;
        if (n == 0) return 0;
        if (!matches(std::string_view(block.data(), static_cast<std::size_t>(n)))) return EIO;
    }
}

int CopyModificationTime(const Path& from, int fd) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(from.c_str(), GetFileExInfoStandard, &data)) return LastError();
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return SetFileTime(handle, nullptr, &data.ftLastAccessTime, &data.ftLastWriteTime) ? 0 : LastError();
}

int Link(const Path& from, const Path& to) { return CreateHardLinkW(to.c_str(), from.c_str(), nullptr) ? 0 : LastError(); }

int RenameReplacing(const Path& from, const Path& to) {
    // Older systems and file systems without that rename refuse it: the
    // classic one then, which fails while the file is open anywhere.
    if (RenameReplacingOpenFile(from, to)) return 0;
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
    if (attributes & FILE_ATTRIBUTE_READONLY) return EACCES;
    // A program that opened the file without delete sharing (as most open
    // files to read them) keeps it from being replaced until it closes it:
    // found out now, before a backup is made or anything is written.
    const HANDLE probe = CreateFileW(path.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return LastError();
    CloseHandle(probe);
    return 0;
}

TemporaryFile::TemporaryFile(const Path& forFile)
    : folder_(FolderOf(forFile)) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const Path candidate = folder_ / (kTemporaryPrefix + RandomEnding());
        fd_ = _wopen(candidate.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd_ >= 0) {
            path_ = candidate;
            return;
        }
        if (errno != EEXIST) break;
    }
    error_ = errno;
}

int TemporaryFile::Name() { return path_.empty() ? EBADF : 0; }

void TemporaryFile::Close() {
    if (fd_ >= 0) _close(fd_);
    fd_ = -1;
}

}  // namespace kelvor::table::filesystem
