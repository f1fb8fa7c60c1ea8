// The few file-system operations a safe save needs beyond std::filesystem:
// flushing to disk, permissions and times taken from another file, links,
// and renames with a chosen replace behaviour. Results are 0 or the
// system's error number. Plain C++, no Qt.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "table/file_io.h"

namespace kelvor::table::filesystem {

int SyncFile(int fd);
void SyncFolder(const Path& folder);
// Gives the file what `model` has beyond its bytes: owner and group (where
// the saver may set them), permission bits and extended attributes; with
// model empty, the default permission bits for new files.
int CopyAttributes(const Path& model, int fd);
int CopyModificationTime(const Path& from, int fd);

// A second name for a file; fails with EEXIST when `to` exists.
int Link(const Path& from, const Path& to);
// Rename that replaces `to` in one step.
int RenameReplacing(const Path& from, const Path& to);
// Rename that fails with EEXIST when `to` exists.
int RenameNoReplace(const Path& from, const Path& to);
int Remove(const Path& path);

// 0 when a file can be written under `path`: EISDIR for a folder, EACCES
// for a file without write permission (on Windows: read-only), EBUSY on
// Windows for a file another program holds open without letting it be
// replaced; 0 also when nothing is there.
int CheckWritable(const Path& path, bool& exists);

// The file a path names, following symbolic links; the path itself when it
// names nothing.
Path ResolveLinks(const Path& path);

// The block ReadBack reads at a time.
inline constexpr std::size_t kReadBackBlock = std::size_t{1} << 20;
// Reads the file open as `fd` from its start, a block at a time, and gives
// each block to `matches`, which says whether the file should hold it
// there: 0 when every block did, EIO when one did not, or the read's error.
int ReadBack(int fd, const std::function<bool(std::string_view block)>& matches);

// Six letters or digits, for a name no other file in the folder has.
std::string RandomEnding();

// The names temporary files of ours get: short, so that a file whose own
// name is near the longest allowed still saves, and hidden.
inline constexpr char kTemporaryPrefix[] = ".kelvor-";
// Removes what interrupted saves of ours left in the folder of `forFile`
// (files named with kTemporaryPrefix, and the dotted names of earlier
// versions for `forFile`) once they are older than an hour: no save runs
// that long.
void RemoveLeftovers(const Path& forFile);

// A new, empty file of its own in the folder of `forFile`, open for reading
// and writing. Where the file system allows, it has no name until Name()
// (a save killed before then leaves nothing behind); elsewhere it has a
// short hidden one from the start. Removed again when it goes out of scope,
// unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const Path& forFile);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int error() const { return error_; }  // 0 when the file was made
    int fd() const { return fd_; }
    // Gives the file its name, when it has none yet; 0 or the error.
    int Name();
    const Path& path() const { return path_; }  // empty before Name()
    void Close();
    void Keep() { keep_ = true; }

private:
    Path folder_;
    Path path_;
    int fd_ = -1;
    int error_ = 0;
    bool keep_ = false;
};

}  // namespace kelvor::table::filesystem
