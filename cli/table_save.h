// How the commands that rewrite a table save it: under the rewrite lock the
// editor takes too, held from before the table is read to after it is
// saved, and only when nobody changed the file in between.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "table/file_identity.h"
#include "table/file_lock.h"
#include "table/safe_save.h"

namespace kelvor::cli {

// Takes the rewrite lock on `target` (the table about to be written),
// saying on err when it has waited a few seconds. kExitClean when held;
// otherwise the failure is reported and its exit code given.
int LockTable(const table::Path& target, table::FileLock& lock, Output& output);

enum class Backup {
    Once,  // the file replaced is set aside as "weapon.org" in its folder, once
    None,  // nothing set aside: the file is a version control system's copy, no table of a game folder
};

// What a save did.
struct Saved {
    table::Path file;
    std::optional<table::Path> backup;  // the replaced table, when this save set it aside
    // "saved FILE", and "; the table it replaced is kept as weapon.org".
    std::string Text() const;
};

// Saves bytes under `target` as the editor's Save As saves. With `read`
// (what was read of target under the lock), a file changed since by a
// program that did not take the lock is not overwritten. Reports a
// failure; gives kExitClean or its exit code, and fills `saved`.
int SaveLockedTable(const table::Path& target, table::Pieces bytes, const table::FileIdentity* read, Output& output,
                    Backup backup, Saved& saved);
inline int SaveLockedTable(const table::Path& target, std::string_view bytes, const table::FileIdentity* read,
                           Output& output, Backup backup, Saved& saved) {
    return SaveLockedTable(target, table::Pieces(&bytes, 1), read, output, backup, saved);
}

}  // namespace kelvor::cli
