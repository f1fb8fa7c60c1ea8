// The few file-system operations the file service needs beyond QFile:
// flushing to disk, links and renames with a chosen replace behaviour, and
// the system's error texts. Paths are native QStrings; results are 0 or the
// system's error number.
#pragma once

#include <QString>

#include <string>

namespace kelvor::fw::filesystem {

// The system's text for an error number, as cp932.
std::string ErrorText(int error);

int SyncFile(int fd);
void SyncFolder(const QString& folder);
// Sets the file's permission bits to those of `model`, or to the default for
// new files when model is empty.
int CopyPermissions(const QString& model, int fd);
int CopyModificationTime(const QString& from, int fd);

// A second name for a file; fails with EEXIST when `to` exists.
int Link(const QString& from, const QString& to);
// Rename that replaces `to` in one step.
int RenameReplacing(const QString& from, const QString& to);
// Rename that fails with EEXIST when `to` exists.
int RenameNoReplace(const QString& from, const QString& to);

// The file a path names, following symbolic links; the path itself when it
// names nothing.
QString ResolveLinks(const QString& path);

}  // namespace kelvor::fw::filesystem
