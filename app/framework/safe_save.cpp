// The table save: the file under its name is, at every moment, either the
// old file or the whole new one.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

#include "app/framework/codec.h"
#include "app/framework/file_system.h"
#include "app/framework/files.h"
#include "app/framework/paths.h"

namespace kelvor::fw {

namespace fs = filesystem;

namespace {

using SinkFactory = std::function<std::unique_ptr<ByteSink>(QFile&)>;

struct Failure {
    SaveError::Kind kind = SaveError::Kind::None;
    std::string text;
};

Failure Fail(SaveError::Kind kind, std::string text) { return {kind, std::move(text)}; }
Failure Fail(SaveError::Kind kind, int error) { return {kind, fs::ErrorText(error)}; }

QString TemporaryPattern(const QString& forFile) {
    const QFileInfo info(forFile);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".XXXXXX");
}

// Every block must go out whole; a write that stops short is retried with
// the rest, and one that writes nothing ends the save.
Failure WriteAll(ByteSink& sink, std::string_view bytes) {
    while (!bytes.empty()) {
        std::string text;
        const std::int64_t n = sink.Write(bytes, &text);
        if (n <= 0 || static_cast<std::uint64_t>(n) > bytes.size())
            return Fail(SaveError::Kind::Write, text.empty() ? fs::ErrorText(ENOSPC) : text);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

Failure CheckWritten(const QString& fileName, std::string_view bytes) {
    QFile check(fileName);
    if (!check.open(QIODevice::ReadOnly)) return Fail(SaveError::Kind::Write, ToCp932(check.errorString()));
    if (check.size() != static_cast<qint64>(bytes.size())) return Fail(SaveError::Kind::Write, EIO);
    const QByteArray back = check.readAll();
    if (std::string_view(back.constData(), static_cast<std::size_t>(back.size())) != bytes)
        return Fail(SaveError::Kind::Write, EIO);
    return {};
}

// Writes bytes into the (new, open) temporary file, flushes it to disk,
// closes it and reads it back. permissionsOf names the file whose permission
// bits it gets (empty: the default); timeOf, when not empty, the file whose
// modification time it takes.
Failure WriteTemporary(QTemporaryFile& temp, std::string_view bytes, const SinkFactory& openSink,
                       const QString& permissionsOf, const QString& timeOf) {
    if (const int r = fs::CopyPermissions(permissionsOf, temp.handle())) return Fail(SaveError::Kind::Open, r);
    {
        const std::unique_ptr<ByteSink> sink = openSink(temp);
        if (Failure f = WriteAll(*sink, bytes); f.kind != SaveError::Kind::None) return f;
    }
    if (!timeOf.isEmpty()) {
        if (const int r = fs::CopyModificationTime(timeOf, temp.handle())) return Fail(SaveError::Kind::Write, r);
    }
    if (const int r = fs::SyncFile(temp.handle())) return Fail(SaveError::Kind::Write, r);
    temp.close();
    return CheckWritten(temp.fileName(), bytes);
}

enum class Backup { Made, AlreadyThere };

// Keeps the file `original` as `backup` without ever replacing an existing
// backup: a second name for the same file where the file system allows it,
// otherwise a copy with the same bytes and modification time.
Failure MakeBackup(const QString& original, const QString& backup, const SinkFactory& openSink, Backup& outcome) {
    const int linked = fs::Link(original, backup);
    if (linked == 0 || linked == EEXIST) {
        outcome = linked == 0 ? Backup::Made : Backup::AlreadyThere;
        return {};
    }
    QFile source(original);
    if (!source.open(QIODevice::ReadOnly)) return Fail(SaveError::Kind::Backup, ToCp932(source.errorString()));
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) return Fail(SaveError::Kind::Backup, ToCp932(source.errorString()));
    source.close();

    QTemporaryFile copy(TemporaryPattern(backup));
    if (!copy.open()) return Fail(SaveError::Kind::Backup, ToCp932(copy.errorString()));
    Failure f = WriteTemporary(copy, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                               openSink, original, original);
    if (f.kind != SaveError::Kind::None) return Fail(SaveError::Kind::Backup, f.text);
    const int renamed = fs::RenameNoReplace(copy.fileName(), backup);
    if (renamed != 0 && renamed != EEXIST) return Fail(SaveError::Kind::Backup, renamed);
    if (renamed == 0) copy.setAutoRemove(false);
    outcome = renamed == 0 ? Backup::Made : Backup::AlreadyThere;
    return {};
}

Failure Replace(const QString& target, std::string_view bytes, const QString& backup, const SinkFactory& openSink,
                QString& failedPath) {
    failedPath = target;
    const QFileInfo info(target);
    const bool exists = info.exists();
    if (exists && info.isDir()) return Fail(SaveError::Kind::Open, EISDIR);
    if (exists && !info.isWritable()) return Fail(SaveError::Kind::Open, EACCES);

    // The temporary file removes itself on every way out but success.
    QTemporaryFile temp(TemporaryPattern(target));
    if (!temp.open()) return Fail(SaveError::Kind::Open, ToCp932(temp.errorString()));
    if (Failure f = WriteTemporary(temp, bytes, openSink, exists ? target : QString(), QString());
        f.kind != SaveError::Kind::None)
        return f;

    Backup outcome = Backup::AlreadyThere;
    if (exists && !backup.isEmpty()) {
        if (Failure f = MakeBackup(target, backup, openSink, outcome); f.kind != SaveError::Kind::None) {
            failedPath = backup;
            return f;
        }
    }
    if (const int r = fs::RenameReplacing(temp.fileName(), target)) {
        if (outcome == Backup::Made) QFile::remove(backup);
        return Fail(SaveError::Kind::Replace, r);
    }
    temp.setAutoRemove(false);
    fs::SyncFolder(info.absolutePath());
    return {};
}

}  // namespace

bool FileService::ReplaceFileSafely(const Path& path, std::string_view bytes, const Path& backupPath,
                                    SaveError* error) {
    const SinkFactory openSink = [this](QFile& file) { return OpenSink(file); };
    const QString target = fs::ResolveLinks(FromPath(path));
    const QString backup = backupPath.empty() ? QString() : FromPath(backupPath);
    QString failedPath;
    const Failure f = Replace(target, bytes, backup, openSink, failedPath);
    if (f.kind == SaveError::Kind::None) {
        if (error) *error = SaveError{};
        return true;
    }
    if (error) {
        error->kind = f.kind;
        error->path = failedPath == backup ? backupPath : path;
        error->systemError = f.text;
    }
    return false;
}

}  // namespace kelvor::fw
