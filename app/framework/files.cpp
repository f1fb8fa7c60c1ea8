#include "app/framework/files.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include "app/framework/codec.h"
#include "app/framework/file_system.h"
#include "app/framework/paths.h"

#ifdef _WIN32
#include <io.h>
#define KELVOR_WRITE _write
#else
#include <unistd.h>
#define KELVOR_WRITE ::write
#endif

namespace kelvor::fw {

namespace fs = filesystem;

namespace {

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::string QtErrorText(const QFile& file) { return ToCp932(file.errorString()); }

// Writes straight to the file's descriptor, so that a full disk shows at the
// write that hit it and not later in a buffer flush.
class DescriptorSink : public ByteSink {
public:
    explicit DescriptorSink(int fd) : fd_(fd) {}
    std::int64_t Write(std::string_view block, std::string* error) override {
        for (;;) {
            const auto n = KELVOR_WRITE(fd_, block.data(), static_cast<unsigned>(block.size()));
            if (n >= 0) return n;
            if (errno == EINTR) continue;
            SetError(error, fs::ErrorText(errno));
            return -1;
        }
    }

private:
    int fd_;
};

}  // namespace

FileService::FileService() = default;
FileService::~FileService() = default;

std::unique_ptr<ByteSink> FileService::OpenSink(QFile& file) { return std::make_unique<DescriptorSink>(file.handle()); }

bool FileService::ReadWholeFile(const Path& path, const std::function<char*(std::size_t size)>& prepare,
                                std::string* error) {
    QFile file(FromPath(path));
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, QtErrorText(file));
        return false;
    }
    const qint64 size = file.size();
    char* buffer = size >= 0 ? prepare(static_cast<std::size_t>(size)) : nullptr;
    if (!buffer) {
        SetError(error, fs::ErrorText(EFBIG));
        return false;
    }
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(buffer + got, size - got);
        if (n < 0) {
            SetError(error, QtErrorText(file));
            return false;
        }
        if (n == 0) break;
        got += n;
    }
    if (got != size) {  // the file shrank while it was read
        SetError(error, fs::ErrorText(EIO));
        return false;
    }
    return true;
}

bool FileService::CanOpenForReading(const Path& path) {
    QFile file(FromPath(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    file.close();
    return true;
}

bool FileService::ReadFirstLine(const Path& path, std::string& line, std::string* error) {
    QFile file(FromPath(path));
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, QtErrorText(file));
        return false;
    }
    line.clear();
    char chunk[4096];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0) {
            SetError(error, QtErrorText(file));
            return false;
        }
        if (n == 0) return true;
        const std::string_view got(chunk, static_cast<std::size_t>(n));
        const std::size_t lf = got.find('\n');
        if (lf != std::string_view::npos) {
            line.append(got.substr(0, lf));
            return true;
        }
        line.append(got);
    }
}

bool FileService::WriteWholeFile(const Path& path, std::string_view bytes, std::string* error) {
    SaveError failure;
    if (ReplaceFileSafely(path, bytes, Path(), &failure)) return true;
    SetError(error, failure.systemError);
    return false;
}

bool FileService::Rename(const Path& from, const Path& to, std::string* error) {
    const int r = fs::RenameNoReplace(FromPath(from), FromPath(to));
    if (r != 0) SetError(error, fs::ErrorText(r));
    return r == 0;
}

void ReportFileError(ModalServices& modal, Dialog* owner, const Path& path, const std::string& systemError) {
    const std::string text = PathForDisplay(path) + Cp932FromUtf8(" の処理中にエラーが発生しました。\n") + systemError;
    modal.MessageBox(text, kIconStop, owner);
}

}  // namespace kelvor::fw
