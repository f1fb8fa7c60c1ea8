#include "table/safe_save.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "table/file_system.h"

#ifdef _WIN32
#include <io.h>
#define KELVOR_WRITE _write
#else
#include <unistd.h>
#define KELVOR_WRITE ::write
#endif

namespace kelvor::table {

namespace fs = filesystem;

namespace {

class FdSink : public ByteSink {
public:
    explicit FdSink(int fd) : fd_(fd) {}
    std::int64_t Write(std::string_view block, std::string* error) override {
        for (;;) {
            const auto n = KELVOR_WRITE(fd_, block.data(), static_cast<unsigned>(std::min<std::size_t>(block.size(), 1u << 30)));
            if (n >= 0) return n;
            if (errno == EINTR) continue;
            if (error) *error = ErrorText(errno);
            return -1;
        }
    }

private:
    int fd_;
};

struct Failure {
    SaveError::Kind kind = SaveError::Kind::None;
    std::string text;
    bool failed() const { return kind != SaveError::Kind::None; }
};

Failure Fail(SaveError::Kind kind, std::string text) { return {kind, std::move(text)}; }
Failure Fail(SaveError::Kind kind, int error) { return {kind, ErrorText(error)}; }

// Every block must go out whole; a write that stops short is retried with
// the rest, and one that writes nothing ends the save.
Failure WriteAll(ByteSink& sink, std::string_view bytes) {
    while (!bytes.empty()) {
        std::string text;
        const std::int64_t n = sink.Write(bytes, &text);
        if (n <= 0 || static_cast<std::uint64_t>(n) > bytes.size())
            return Fail(SaveError::Kind::Write, text.empty() ? ErrorText(ENOSPC) : text);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

// Pieces of this size and more go out as they are; smaller ones are
// gathered first, so that many short pieces take few writes.
constexpr std::size_t kGatherBelow = std::size_t{256} << 10;
constexpr std::size_t kGathered = std::size_t{1} << 20;

Failure WriteAll(ByteSink& sink, Pieces pieces) {
    if (pieces.size() == 1) return WriteAll(sink, pieces.front());
    std::string gathered;
    gathered.reserve(kGathered);
    for (const std::string_view piece : pieces) {
        if (gathered.size() + piece.size() > kGathered || piece.size() >= kGatherBelow) {
            if (Failure f = WriteAll(sink, gathered); f.failed()) return f;
            gathered.clear();
        }
        if (piece.size() >= kGatherBelow) {
            if (Failure f = WriteAll(sink, piece); f.failed()) return f;
        } else {
            gathered += piece;
        }
    }
    return WriteAll(sink, gathered);
}

// What was written, read back: the file must hold the pieces and nothing more.
int CheckContents(int fd, Pieces pieces) {
    std::size_t piece = 0, at = 0;  // the next byte expected: pieces[piece][at]
    const int read = fs::ReadBack(fd, [&](std::string_view block) {
        while (!block.empty()) {
            if (piece == pieces.size()) return false;  // the file is longer
            const std::string_view expected = pieces[piece].substr(at, block.size());
            if (block.substr(0, expected.size()) != expected) return false;
            block.remove_prefix(expected.size());
            at += expected.size();
            if (at == pieces[piece].size()) ++piece, at = 0;
        }
        return true;
    });
    if (read) return read;
    while (piece < pieces.size() && pieces[piece].size() == at) ++piece, at = 0;  // empty pieces at the end
    return piece == pieces.size() ? 0 : EIO;  // else the file is shorter
}

// Writes bytes into the (new, open) temporary file, flushes it to disk,
// reads it back, gives it its name and closes it. attributesOf names the
// file whose owner, permission bits and extended attributes it gets (empty:
// the default bits); timeOf, when not empty, the file whose modification
// time it takes.
Failure WriteTemporary(fs::TemporaryFile& temp, Pieces bytes, const SinkFactory& openSink,
                       const Path& attributesOf, const Path& timeOf) {
    if (const int r = fs::CopyAttributes(attributesOf, temp.fd())) return Fail(SaveError::Kind::Open, r);
    {
        const std::unique_ptr<ByteSink> sink = openSink ? openSink(temp.fd()) : DescriptorSink(temp.fd());
        if (Failure f = WriteAll(*sink, bytes); f.failed()) return f;
    }
    if (!timeOf.empty()) {
        if (const int r = fs::CopyModificationTime(timeOf, temp.fd())) return Fail(SaveError::Kind::Write, r);
    }
    if (const int r = fs::SyncFile(temp.fd())) return Fail(SaveError::Kind::Write, r);
    if (const int r = CheckContents(temp.fd(), bytes)) return Fail(SaveError::Kind::Write, r);
    if (const int r = temp.Name()) return Fail(SaveError::Kind::Write, r);
    temp.Close();
    return {};
}

enum class Backup { Made, AlreadyThere };

// Keeps the file `original` as `backup` without ever replacing an existing
// backup: a second name for the same file where the file system allows it,
// otherwise a copy with the same bytes and modification time.
Failure MakeBackup(const Path& original, const Path& backup, const SinkFactory& openSink, Backup& outcome) {
    const int linked = fs::Link(original, backup);
    if (linked == 0 || linked == EEXIST) {
        outcome = linked == 0 ? Backup::Made : Backup::AlreadyThere;
        return {};
    }
    std::string bytes, error;
    if (!ReadWholeFile(original, bytes, &error)) return Fail(SaveError::Kind::Backup, error);

    fs::TemporaryFile copy(backup);
    if (copy.error()) return Fail(SaveError::Kind::Backup, copy.error());
    const std::string_view whole = bytes;
    if (Failure f = WriteTemporary(copy, Pieces(&whole, 1), openSink, original, original); f.failed())
        return Fail(SaveError::Kind::Backup, f.text);
    const int renamed = fs::RenameNoReplace(copy.path(), backup);
    if (renamed != 0 && renamed != EEXIST) return Fail(SaveError::Kind::Backup, renamed);
    if (renamed == 0) copy.Keep();
    outcome = renamed == 0 ? Backup::Made : Backup::AlreadyThere;
    return {};
}

// backupMade: whether this save set the replaced file aside as `backup`.
Failure Replace(const Path& target, Pieces bytes, const Path& backup, const SinkFactory& openSink,
                bool& failedAtBackup, bool& backupMade) {
    failedAtBackup = backupMade = false;
    // A device, a pipe or a socket is never replaced by a file, and a loop
    // of links names no file at all.
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(target, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) return Fail(SaveError::Kind::Open, ec.message());
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status))
        return Fail(SaveError::Kind::Open, std::string("not a regular file"));
    bool exists = false;
    if (const int r = fs::CheckWritable(target, exists)) return Fail(SaveError::Kind::Open, r);
    fs::RemoveLeftovers(target);

    // The temporary file removes itself on every way out but success.
    fs::TemporaryFile temp(target);
    if (temp.error()) return Fail(SaveError::Kind::Open, temp.error());
    if (Failure f = WriteTemporary(temp, bytes, openSink, exists ? target : Path(), Path()); f.failed()) return f;

    Backup outcome = Backup::AlreadyThere;
    if (exists && !backup.empty()) {
        if (Failure f = MakeBackup(target, backup, openSink, outcome); f.failed()) {
            failedAtBackup = true;
            return f;
        }
    }
    if (const int r = fs::RenameReplacing(temp.path(), target)) {
        if (outcome == Backup::Made) fs::Remove(backup);
        return Fail(SaveError::Kind::Replace, r);
    }
    temp.Keep();
    fs::SyncFolder(FolderOf(target));
    backupMade = outcome == Backup::Made;
    return {};
}

bool ReplaceAndSay(const Path& path, Pieces bytes, const Path& backupPath, SaveError* error, const SinkFactory& openSink,
                   bool* backupMade) {
    bool failedAtBackup = false, made = false;
    const Failure f = Replace(fs::ResolveLinks(path), bytes, backupPath, openSink, failedAtBackup, made);
    if (error) {
        error->kind = f.kind;
        error->path = f.failed() ? (failedAtBackup ? backupPath : path) : Path();
        error->systemError = f.text;
    }
    if (backupMade) *backupMade = made;
    return !f.failed();
}

}  // namespace

std::unique_ptr<ByteSink> DescriptorSink(int fd) { return std::make_unique<FdSink>(fd); }

bool ReplaceFileSafely(const Path& path, Pieces bytes, const Path& backupPath, SaveError* error,
                       const SinkFactory& openSink) {
    return ReplaceAndSay(path, bytes, backupPath, error, openSink, nullptr);
}

Path TableBackupPath(const Path& table) { return Path(table).remove_filename() / kTableBackupName; }

bool SaveTableFile(const Path& table, Pieces bytes, SaveError* error, const SinkFactory& openSink, bool* backupMade) {
    if (backupMade) *backupMade = false;
    const Path backup = TableBackupPath(table);
    // A backup is made when nothing stands at its name and kept when it is a
    // file. Anything else there (a folder, a broken link, a pipe) would leave
    // the table's first version nowhere: the save is refused.
    std::error_code ec;
    const bool nothingThere = !std::filesystem::exists(std::filesystem::symlink_status(backup, ec));
    if (!nothingThere && !std::filesystem::is_regular_file(std::filesystem::status(backup, ec))) {
        if (error) *error = SaveError{SaveError::Kind::Backup, backup, "not a regular file"};
        return false;
    }
    return ReplaceAndSay(table, bytes, nothingThere ? backup : Path(), error, openSink, backupMade);
}

}  // namespace kelvor::table
