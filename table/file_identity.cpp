#include "table/file_identity.h"

#include <filesystem>
#include <functional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace kelvor::table {

namespace {

struct Looked {
    bool ok = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::uint64_t fileNumber = 0;
};

Looked Look(const Path& path) {
    Looked l;
#ifdef _WIN32
    const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return l;
    BY_HANDLE_FILE_INFORMATION info;
    const bool looked = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!looked || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return l;
    const auto high = [](DWORD h, DWORD low) { return (static_cast<std::uint64_t>(h) << 32) | low; };
    l.size = high(info.nFileSizeHigh, info.nFileSizeLow);
    // Windows counts hundreds of nanoseconds from 1601.
    constexpr std::int64_t k1970 = 116444736000000000;
    const FILETIME& t = info.ftLastWriteTime;
    l.modified = (static_cast<std::int64_t>(high(t.dwHighDateTime, t.dwLowDateTime)) - k1970) * 100;
    l.fileNumber = high(info.nFileIndexHigh, info.nFileIndexLow);
#else
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return l;
    l.size = static_cast<std::uint64_t>(st.st_size);
    l.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    l.fileNumber = static_cast<std::uint64_t>(st.st_ino);
#endif
    l.ok = true;
    return l;
}

std::uint64_t HashOf(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }

}  // namespace

FileIdentity IdentityOf(const Path& path, std::string_view bytes) {
    const Looked l = Look(path);
    if (!l.ok) return {};
    return {true, l.size, l.modified, l.fileNumber, HashOf(bytes)};
}

bool ChangedSince(const Path& path, const FileIdentity& known, FileIdentity* now) {
    FileIdentity seen;
    if (now) *now = seen;
    if (!known.known) return false;
    const Looked l = Look(path);
    if (!l.ok) return true;
    if (l.size == known.size && l.modified == known.modified && l.fileNumber == known.fileNumber) {
        if (now) *now = known;
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(path, bytes, nullptr)) return true;
    seen = {true, l.size, l.modified, l.fileNumber, HashOf(bytes)};
    if (now) *now = seen;
    return bytes.size() != known.size || seen.hash != known.hash;
}

}  // namespace kelvor::table
