#include "app/framework/codec.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace kelvor::fw {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// How many bytes a character that failed to decode takes up: a lead byte
// with a trail byte after it is one (unmapped) character of two bytes.
std::size_t BadCharacterLength(std::string_view bytes, std::size_t at) {
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (IsLeadByte(b) && at + 1 < bytes.size() && IsTrailByte(static_cast<unsigned char>(bytes[at + 1]))) return 2;
    return 1;
}

// Characters with two Unicode forms, taken as the form code page 932 holds.
constexpr std::array<std::pair<char16_t, char16_t>, 7> kSecondForms{{
    {0x301C, 0xFF5E},  // wave dash
    {0x2016, 0x2225},  // double vertical line
    {0x2212, 0xFF0D},  // minus sign
    {0x00A2, 0xFFE0},  // cent sign
    {0x00A3, 0xFFE1},  // pound sign
    {0x00AC, 0xFFE2},  // not sign
    {0x2014, 0x2015},  // em dash
}};

QString CanonicalForms(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        for (const auto& [other, held] : kSecondForms) {
            if (c.unicode() == other) {
                c = QChar(held);
                break;
            }
        }
    }
    return out;
}

#ifndef _WIN32

// One conversion descriptor per direction for the thread's lifetime.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of in as possible into out; gives iconv's errno (0 when all went).
    int Convert(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int err = r == static_cast<std::size_t>(-1) ? errno : 0;
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (err == E2BIG) continue;
            if (err != 0) return err;
        }
        return 0;
    }

private:
    iconv_t cd_;
};

Converter& Decoder() {
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

Converter& Encoder() {
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

QString Utf16LeToQString(const std::string& utf16) {
    QString s(static_cast<qsizetype>(utf16.size() / 2), Qt::Uninitialized);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const auto lo = static_cast<unsigned char>(utf16[2 * i]);
        const auto hi = static_cast<unsigned char>(utf16[2 * i + 1]);
        s[i] = QChar(static_cast<char16_t>(lo | (hi << 8)));
    }
    return s;
}

#endif

}  // namespace

#ifndef _WIN32

QString FromCp932(std::string_view bytes) {
    Converter& decoder = Decoder();
    QString result;
    if (!decoder.Valid()) {
        for (unsigned char b : bytes) result += QChar(b < 0x80 ? char16_t{b} : kReplacement);
        return result;
    }
    std::string utf16;
    while (!bytes.empty()) {
        if (decoder.Convert(bytes, utf16) == 0) break;
        // EILSEQ or a character cut off at the end: one replacement each.
        utf16.push_back(static_cast<char>(kReplacement & 0xFF));
        utf16.push_back(static_cast<char>(kReplacement >> 8));
        bytes.remove_prefix(BadCharacterLength(bytes, 0));
    }
    return Utf16LeToQString(utf16);
}

std::string ToCp932(const QString& text) {
    Converter& encoder = Encoder();
    const QString canonical = CanonicalForms(text);
    std::string utf16;
    utf16.reserve(static_cast<std::size_t>(canonical.size()) * 2);
    for (QChar c : canonical) {
        utf16.push_back(static_cast<char>(c.unicode() & 0xFF));
        utf16.push_back(static_cast<char>(c.unicode() >> 8));
    }
    std::string out;
    if (!encoder.Valid()) {
        for (QChar c : canonical) out.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
        return out;
    }
    std::string_view in(utf16);
    while (!in.empty()) {
        if (encoder.Convert(in, out) == 0) break;
        // One character the code page lacks (a surrogate pair is one).
        std::size_t units = 1;
        if (in.size() >= 4) {
            const unsigned first = static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
            const unsigned second = static_cast<unsigned char>(in[2]) | (static_cast<unsigned char>(in[3]) << 8);
            if (first >= 0xD800 && first <= 0xDBFF && second >= 0xDC00 && second <= 0xDFFF) units = 2;
        }
        out.push_back('?');
        in.remove_prefix(std::min(in.size(), units * 2));
    }
    return out;
}

#else

QString FromCp932(std::string_view bytes) {
    QString result;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = IsLeadByte(b) ? 2 : 1;
        wchar_t wide[2];
        const int n = i + length <= bytes.size()
                          ? MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data() + i, static_cast<int>(length), wide, 2)
                          : 0;
        if (n > 0) {
            result.append(QString::fromWCharArray(wide, n));
            i += length;
        } else {
            result.append(QChar(kReplacement));
            i += BadCharacterLength(bytes, i);
        }
    }
    return result;
}

std::string ToCp932(const QString& text) {
    const std::wstring wide = CanonicalForms(text).toStdWString();
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      "?", nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), n, "?",
                        nullptr);
    return out;
}

#endif

std::vector<char32_t> CharactersOutsideCp932(const QString& text) {
    std::vector<char32_t> outside;
    // A character is held when it comes back from the code page as itself.
    if (FromCp932(ToCp932(text)) == CanonicalForms(text)) return outside;
    for (const uint u : text.toUcs4()) {
        const char32_t c = u;
        const QString one = QString::fromUcs4(&c, 1);
        if (FromCp932(ToCp932(one)) == CanonicalForms(one)) continue;
        if (std::find(outside.begin(), outside.end(), c) == outside.end()) outside.push_back(c);
    }
    return outside;
}

std::string Cp932FromUtf8(std::string_view utf8) {
    return ToCp932(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string Utf8FromCp932(std::string_view bytes) { return FromCp932(bytes).toStdString(); }

}  // namespace kelvor::fw
