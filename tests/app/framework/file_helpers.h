// Plain file helpers for the file service's tests.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "app/framework/paths.h"

namespace kelvor::fw::testing {

inline std::string Slurp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
}

inline void Put(const QString& path, std::string_view bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

inline std::string Slurp(const fw::Path& path) { return Slurp(FromPath(path)); }
inline void Put(const fw::Path& path, std::string_view bytes) { Put(FromPath(path), bytes); }

// The names in a folder, hidden ones included.
inline QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline fw::Path Path(const QTemporaryDir& dir, const char* name) { return ToPath(dir.filePath(QString::fromUtf8(name))); }
inline QString QPath(const QTemporaryDir& dir, const char* name) { return dir.filePath(QString::fromUtf8(name)); }

}  // namespace kelvor::fw::testing
