#include "app/framework/codec.h"

#include <array>
#include <cerrno>

#include "table/cp932_codec.h"

// The conversions themselves are plain code in table/, shared with the
// command-line tool; here they only meet QString.
namespace kelvor::fw {

namespace {

std::u16string Utf16(const QString& text) { return text.toStdU16String(); }

// Characters with a second Unicode form, in the form code page 932 holds:
// what a text is once it has been to the code page and back.
[[maybe_unused]] QString CanonicalForms(const QString& text) {
    return QString::fromStdU16String(table::CanonicalCp932Forms(Utf16(text)));
}

}  // namespace

QString FromCp932(std::string_view bytes) { return QString::fromStdU16String(table::Utf16FromCp932(bytes)); }

std::string ToCp932(const QString& text) { return table::Cp932FromUtf16(Utf16(text)); }

std::string Cp932FromUtf8(std::string_view utf8) {
    return ToCp932(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string Utf8FromCp932(std::string_view bytes) { return FromCp932(bytes).toStdString(); }

}  // namespace kelvor::fw
