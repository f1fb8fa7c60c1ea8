// Whole-file binary I/O without line-end translation, and the safe save:
// the window layer's face of the plain file code in table/ (the same code
// the command-line tool saves with). Paths are the platform's own
// (fw::Path); error texts are code page 932.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/framework/modal.h"
#include "app/framework/paths.h"
#include "table/file_io.h"
#include "table/safe_save.h"

class QFile;

namespace kelvor::fw {

// Where the contents of a file being written go. Every write of file
// contents passes through one; tests replace it to make a write fail.
using ByteSink = table::ByteSink;

// Why a save failed.
struct SaveError {
    // None, Open, Write, Backup, Replace: see table::SaveError.
    using Kind = table::SaveError::Kind;
    Kind kind = Kind::None;
    Path path;                // the file the failure concerns
    std::string systemError;  // cp932, the system's error text
};

class FileService {
public:
    FileService();
    virtual ~FileService();

    // Reads the whole file in one read, as table::ReadWholeFile does.
    virtual bool ReadWholeFile(const Path& path, const std::function<char*(std::size_t size)>& prepare,
                               std::string* error);

    // The same into any buffer with resize() and data().
    template <table::ResizableBuffer Buffer>
    bool ReadWholeFile(const Path& path, Buffer& buffer, std::string* error) {
        return ReadWholeFile(path, table::IntoBuffer(buffer), error);
    }

    // Opens the file for reading and closes it again.
    virtual bool CanOpenForReading(const Path& path);

    // The bytes up to the first LF, without that LF (a CR before it stays);
    // the whole file when it has no LF.
    virtual bool ReadFirstLine(const Path& path, std::string& line, std::string* error);

    // Replaces the file under `path` with `bytes` so that at no moment is
    // that file missing, empty or partly written, keeping the file replaced
    // as backupPath (when given) unless that is there already; see
    // table::ReplaceFileSafely. On failure nothing changed.
    virtual bool ReplaceFileSafely(const Path& path, std::string_view bytes, const Path& backupPath,
                                   SaveError* error);

    // Saves a unit table under `path` by ReplaceFileSafely, setting the file
    // it replaces aside as "weapon.org" in that folder only when no
    // "weapon.org" is there (table::SaveTableFile).
    virtual bool SaveTable(const Path& path, std::string_view bytes, SaveError* error);

    // Code page 932 text is never a path: passing a std::string where a
    // path is asked for does not compile.
    template <Cp932String S, class... Args>
    bool ReadWholeFile(S&&, Args&&...) = delete;
    template <Cp932String S>
    bool CanOpenForReading(S&&) = delete;
    template <Cp932String S, class... Args>
    bool ReadFirstLine(S&&, Args&&...) = delete;
    template <class A, class B, class... Args>
        requires Cp932String<A> || Cp932String<B>
    bool ReplaceFileSafely(A&&, std::string_view, B&&, Args&&...) = delete;
    template <Cp932String S, class... Args>
    bool SaveTable(S&&, Args&&...) = delete;

protected:
    // The sink for writing the contents of `file` (opened for writing).
    virtual std::unique_ptr<ByteSink> OpenSink(QFile& file);

private:
    // The plain save's sinks, made by OpenSink.
    table::SinkFactory SinkFactory();
};

// The plain code's texts are the system's, UTF-8; the window shows code
// page 932, in the language it speaks.
std::string SystemErrorForWindow(const std::string& utf8);

// The file-error box: stop icon, names the file and the system's error text.
void ReportFileError(ModalServices& modal, QWidget* owner, const Path& path, const std::string& systemError);
template <Cp932String S>
void ReportFileError(ModalServices&, QWidget*, S&&, const std::string&) = delete;

// The box for a file that could not be opened or read: stop icon,
// 「ファイルのオープンに失敗しました」, the file and, when known, why.
void ReportOpenFailed(ModalServices& modal, QWidget* owner, const Path& path, const std::string& systemError);
template <Cp932String S>
void ReportOpenFailed(ModalServices&, QWidget*, S&&, const std::string&) = delete;

}  // namespace kelvor::fw
