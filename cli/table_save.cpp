#include "cli/table_save.h"

#include "cli/command_support.h"
#include "cli/messages.h"
#include "cli/table_input.h"
#include "table/safe_save.h"

namespace kelvor::cli {

int LockTable(const table::Path& target, table::FileLock& lock, Output& output) {
    table::LockWait wait;
    wait.waiting = [&] {
        output.err << "kelvor-cli: " << PathText(target) << ": "
                   << Say("waiting for another program that is writing it to finish...") << "\n";
        output.err.flush();
    };
    std::string error;
    switch (table::LockForRewrite(target, lock, wait, &error)) {
    case table::LockResult::Held: return kExitClean;
    case table::LockResult::Busy:
        return Unusable(output, target,
                        Say("another program kept it locked for {1} seconds; nothing written",
                            {std::to_string(wait.giveUpAfter.count() / 1000)}));
    case table::LockResult::Failed: break;
    }
    return Unusable(output, target, Say("cannot be locked for writing: {1}; nothing written", {Say(error)}));
}

int SaveLockedTable(const table::Path& target, table::Pieces bytes, const table::FileIdentity* read, Output& output,
                    Backup backup, Saved& saved) {
    if (read && table::ChangedSince(target, *read))
        return Unusable(output, target,
                        Say("was changed by another program while this command ran; nothing written, run it again"));
    table::SaveError failure;
    bool backupMade = false;
    const bool done = backup == Backup::Once ? table::SaveTableFile(target, bytes, &failure, {}, &backupMade)
                                             : table::ReplaceFileSafely(target, bytes, table::Path(), &failure);
    if (!done) return SaveFailed(output, failure);
    saved.file = target;
    if (backupMade) saved.backup = table::TableBackupPath(target);
    return kExitClean;
}

std::string Saved::Text() const {
    std::string text = Say("saved {1}", {PathText(file)});
    if (backup) text += Say("; the table it replaced is kept as {1}", {PathText(*backup)});
    return text;
}

}  // namespace kelvor::cli
