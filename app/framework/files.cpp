#include "app/framework/files.h"

#include <QCoreApplication>
#include <QFile>

#include "app/framework/codec.h"
#include "app/framework/language.h"
#include "app/framework/paths.h"
#include "table/file_io.h"
#include "table/system_error_words.h"

namespace kelvor::fw {

std::string SystemErrorForWindow(const std::string& utf8) {
    return Cp932FromUtf8(LanguageInUse() == Language::Japanese ? std::string(table::SystemErrorInJapanese(utf8)) : utf8);
}

namespace {

void SetError(std::string* error, const std::string& utf8) {
    if (error) *error = SystemErrorForWindow(utf8);
}

SaveError FromPlain(const table::SaveError& plain) { return SaveError{plain.kind, plain.path, SystemErrorForWindow(plain.systemError)}; }

// A sink made by OpenSink for a QFile on the plain save's descriptor; it
// keeps that QFile for as long as it writes.
class QFileSink : public ByteSink {
public:
    QFileSink(std::unique_ptr<QFile> file, std::unique_ptr<ByteSink> inner)
        : file_(std::move(file)), inner_(std::move(inner)) {}
    std::int64_t Write(std::string_view block, std::string* error) override { return inner_->Write(block, error); }

private:
    std::unique_ptr<QFile> file_;
    std::unique_ptr<ByteSink> inner_;
};

}  // namespace

FileService::FileService() = default;
FileService::~FileService() = default;

std::unique_ptr<ByteSink> FileService::OpenSink(QFile& file) { return table::DescriptorSink(file.handle()); }

table::SinkFactory FileService::SinkFactory() {
    return [this](int fd) -> std::unique_ptr<ByteSink> {
        auto file = std::make_unique<QFile>();
        if (!file->open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return table::DescriptorSink(fd);
        std::unique_ptr<ByteSink> inner = OpenSink(*file);
        return std::make_unique<QFileSink>(std::move(file), std::move(inner));
    };
}

bool FileService::ReadWholeFile(const Path& path, const std::function<char*(std::size_t size)>& prepare,
                                std::string* error) {
    std::string text;
    const bool read = table::ReadWholeFile(path, prepare, &text);
    if (!read) SetError(error, text);
    return read;
}

bool FileService::CanOpenForReading(const Path& path) { return table::CanOpenForReading(path); }

bool FileService::ReadFirstLine(const Path& path, std::string& line, std::string* error) {
    std::string text;
    const bool read = table::ReadFirstLine(path, line, &text);
    if (!read) SetError(error, text);
    return read;
}

bool FileService::ReplaceFileSafely(const Path& path, std::string_view bytes, const Path& backupPath,
                                    SaveError* error) {
    table::SaveError plain;
    const bool saved = table::ReplaceFileSafely(path, bytes, backupPath, &plain, SinkFactory());
    if (error) *error = FromPlain(plain);
    return saved;
}

bool FileService::SaveTable(const Path& path, std::string_view bytes, SaveError* error) {
    table::SaveError plain;
    const bool saved = table::SaveTableFile(path, bytes, &plain, SinkFactory());
    if (error) *error = FromPlain(plain);
    return saved;
}

void ReportFileError(ModalServices& modal, QWidget* owner, const Path& path, const std::string& systemError) {
    const std::string text = PathForDisplay(path) +
                             ToCp932(QCoreApplication::translate("FileErrors", " の処理中にエラーが発生しました。\n")) +
                             systemError;
    modal.MessageBox(text, kIconStop, owner);
}

void ReportOpenFailed(ModalServices& modal, QWidget* owner, const Path& path, const std::string& systemError) {
    std::string text =
        ToCp932(QCoreApplication::translate("FileErrors", "ファイルのオープンに失敗しました\n")) +
        PathForDisplay(path);
    if (!systemError.empty()) text += "\n" + systemError;
    modal.MessageBox(text, kIconStop, owner);
}

}  // namespace kelvor::fw
