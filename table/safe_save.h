// Saving a file so that the file under its name is, at every moment, either
// the old file or the whole new one; and the unit table's backup rule. The
// editor and the command-line tool save through this one place, so they can
// never save differently. Plain C++, no Qt; error texts are UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "table/file_io.h"

namespace kelvor::table {

// Where the contents of a file being written go. Every write of file
// contents passes through one; tests put in one that fails.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes the block; gives the number of bytes written (fewer than asked
    // when the disk fills up) or -1 with the system's error text.
    virtual std::int64_t Write(std::string_view block, std::string* error) = 0;
};

// The sink that writes straight to a file descriptor, so that a full disk
// shows at the write that hit it and not later in a buffer flush.
std::unique_ptr<ByteSink> DescriptorSink(int fd);

// Makes the sink for the file open as `fd`; empty: DescriptorSink.
using SinkFactory = std::function<std::unique_ptr<ByteSink>(int fd)>;

// Why a save failed.
struct SaveError {
    enum class Kind {
        None,
        Open,     // the file could not be created or opened for writing
        Write,    // writing, flushing or checking the new contents failed
        Backup,   // the backup could not be made
        Replace,  // the new file could not be put in place
    };
    Kind kind = Kind::None;
    Path path;                // the file the failure concerns
    std::string systemError;  // the system's error text
};

// A file's new contents as pieces written one after the other, never joined
// in memory: a large file put together from the views into other files.
using Pieces = std::span<const std::string_view>;

// Replaces the file under `path` with `bytes`: the bytes go to a temporary
// file in the same folder, are flushed to disk and read back, and that file
// is then renamed over `path` in one step. A path that is a symbolic link
// updates the file it names.
//
// When backupPath is not empty and a file exists under `path`, that file is
// kept as backupPath (same bytes and modification time) just before the
// final rename; an existing backupPath is never replaced.
//
// On failure the temporary file is removed, `path` and backupPath are as
// they were, and error says what failed.
bool ReplaceFileSafely(const Path& path, Pieces bytes, const Path& backupPath, SaveError* error,
                       const SinkFactory& openSink = {});
inline bool ReplaceFileSafely(const Path& path, std::string_view bytes, const Path& backupPath, SaveError* error,
                              const SinkFactory& openSink = {}) {
    return ReplaceFileSafely(path, Pieces(&bytes, 1), backupPath, error, openSink);
}

// The unit table's backup: "weapon.org" in the folder of the table saved.
inline constexpr char kTableBackupName[] = "weapon.org";
Path TableBackupPath(const Path& table);

// Saves a unit table under `table`: the file it replaces is set aside as
// "weapon.org" in that folder, once: only when no "weapon.org" is there;
// an existing one is never replaced or refreshed. backupMade (when given)
// says whether this save set one aside.
bool SaveTableFile(const Path& table, Pieces bytes, SaveError* error, const SinkFactory& openSink = {},
                   bool* backupMade = nullptr);
inline bool SaveTableFile(const Path& table, std::string_view bytes, SaveError* error, const SinkFactory& openSink = {}) {
    return SaveTableFile(table, Pieces(&bytes, 1), error, openSink);
}

}  // namespace kelvor::table
