#include "app/framework/codec.h"

#include <QList>

#include <algorithm>

#include "table/cp932_codec.h"

// The conversions themselves are plain code in table/, shared with the
// command-line tool; here they only meet QString.
namespace kelvor::fw {

namespace {

std::u16string Utf16(const QString& text) { return text.toStdU16String(); }

// Characters with a second Unicode form, in the form code page 932 holds.
QString CanonicalForms(const QString& text) {
    return QString::fromStdU16String(table::CanonicalCp932Forms(Utf16(text)));
}

}  // namespace

QString FromCp932(std::string_view bytes) { return QString::fromStdU16String(table::Utf16FromCp932(bytes)); }

std::string ToCp932(const QString& text) { return table::Cp932FromUtf16(Utf16(text)); }

std::vector<char32_t> CharactersOutsideCp932(const QString& text) {
    std::vector<char32_t> outside;
    // A character is held when it comes back from the code page as itself.
    if (FromCp932(ToCp932(text)) == CanonicalForms(text)) return outside;
    // Code point by code point, a byte order mark included (QString's own
    // conversion to UCS-4 drops it).
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString one = text.mid(i, pair ? 2 : 1);
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (pair) ++i;
        if (FromCp932(ToCp932(one)) == CanonicalForms(one)) continue;
        if (std::find(outside.begin(), outside.end(), c) == outside.end()) outside.push_back(c);
    }
    return outside;
}

}  // namespace kelvor::fw
