#include "app/framework/paths.h"

#include <QFile>

#include "app/framework/codec.h"

namespace kelvor::fw {

#ifdef _WIN32

Path ToPath(const QString& path) { return Path(path.toStdWString()); }

QString FromPath(const Path& path) { return QString::fromStdWString(path.native()); }

#else

// Qt names files by decoding their bytes with the locale's encoding; the
// same encoding gives the bytes back.
Path ToPath(const QString& path) { return Path(QFile::encodeName(path).toStdString()); }

QString FromPath(const Path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

#endif

Path FolderOf(const Path& file) { return Path(file).remove_filename(); }

Path Subfolder(const Path& folder, const Path& name) { return folder / name / Path(); }

std::string PathForDisplay(const Path& path) { return ToCp932(FromPath(path)); }

}  // namespace kelvor::fw
