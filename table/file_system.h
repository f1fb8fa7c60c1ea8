// The few file-system operations a safe save needs beyond std::filesystem:
// flushing to disk, permissions and times taken from another file, links,
// and renames with a chosen replace behaviour. Results are 0 or the
// system's error number. Plain C++, no Qt.
#pragma once

#include "table/file_io.h"

namespace kelvor::table::filesystem {

int SyncFile(int fd);
void SyncFolder(const Path& folder);
// Sets the file's permission bits to those of `model`, or to the default for
// new files when model is empty.
int CopyPermissions(const Path& model, int fd);
int CopyModificationTime(const Path& from, int fd);

// A second name for a file; fails with EEXIST when `to` exists.
int Link(const Path& from, const Path& to);
// Rename that replaces `to` in one step.
int RenameReplacing(const Path& from, const Path& to);
// Rename that fails with EEXIST when `to` exists.
int RenameNoReplace(const Path& from, const Path& to);
int Remove(const Path& path);

// 0 when a file can be written under `path`: EISDIR for a folder, EACCES
// for a file without write permission; 0 also when nothing is there.
int CheckWritable(const Path& path, bool& exists);

// The file a path names, following symbolic links; the path itself when it
// names nothing.
Path ResolveLinks(const Path& path);

// A new, empty file of its own in `folder`, named after `forFile` with a
// leading dot and a random ending; open for reading and writing. Removed
// again when it goes out of scope, unless kept.
class TemporaryFile {
public:
    TemporaryFile(const Path& forFile);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int error() const { return error_; }  // 0 when the file was made
    int fd() const { return fd_; }
    const Path& path() const { return path_; }
    void Close();
    void Keep() { keep_ = true; }

private:
    Path path_;
    int fd_ = -1;
    int error_ = 0;
    bool keep_ = false;
};

}  // namespace kelvor::table::filesystem
