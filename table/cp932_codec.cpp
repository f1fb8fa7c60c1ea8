#include "table/cp932_codec.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "table/cp932.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace kelvor::table {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// How many bytes a character that failed to decode takes up: a lead byte
// with a trail byte after it is one (unmapped) character of two bytes.
std::size_t BadCharacterLength(std::string_view bytes, std::size_t at) {
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (IsLeadByte(b) && at + 1 < bytes.size() && IsTrailByte(static_cast<unsigned char>(bytes[at + 1]))) return 2;
    return 1;
}

// Characters with two Unicode forms, and the form code page 932 holds.
constexpr std::array<std::pair<char16_t, char16_t>, 7> kSecondForms{{
    {0x301C, 0xFF5E},  // wave dash
    {0x2016, 0x2225},  // double vertical line
    {0x2212, 0xFF0D},  // minus sign
    {0x00A2, 0xFFE0},  // cent sign
    {0x00A3, 0xFFE1},  // pound sign
    {0x00AC, 0xFFE2},  // not sign
    {0x2014, 0x2015},  // em dash
}};

#ifndef _WIN32

// One conversion descriptor per direction for the thread's lifetime.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of in as possible onto out; gives iconv's errno (0 when all went).
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

std::u16string FromUtf16Le(const std::string& bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

std::string ToUtf16Le(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

// Decodes one character of one or two bytes; false when the code page has none.
bool DecodesAsOne(std::string_view character) {
    std::string ignored;
    return Decoder().Valid() && Decoder().Convert(character, ignored) == 0;
}

#else

// Windows' own table maps the single bytes 0x80 (to U+0080) and, on some
// versions, 0xA0 and 0xFD to 0xFF (to private-use characters); code page 932
// text has no such characters and Linux decodes none of them. They are taken
// as no character here as well, so that both systems answer alike: shown as
// U+FFFD, reported by the check, and never written for those characters.
bool IsUnmappedSingle(unsigned char b) { return b == 0x80 || b == 0xA0 || b >= 0xFD; }
bool IsUnmappedCharacter(char16_t c) { return c == 0x80 || (c >= 0xF8F0 && c <= 0xF8F3); }

// Decodes one character of one or two bytes; 0 when the code page has none.
int DecodeOne(std::string_view character, wchar_t (&wide)[2]) {
    if (character.size() == 1 && IsUnmappedSingle(static_cast<unsigned char>(character[0]))) return 0;
    return MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, character.data(), static_cast<int>(character.size()), wide, 2);
}

bool DecodesAsOne(std::string_view character) {
    wchar_t wide[2];
    return DecodeOne(character, wide) > 0;
}

#endif

// Which characters the code page holds: single bytes, and two-byte
// characters by lead byte and trail byte. Built once from the decoder itself,
// so that the check and the display can never disagree.
struct Validity {
    std::array<bool, 256> single{};
    std::array<std::array<bool, 256>, 256> pair{};

    Validity() {
        for (unsigned b = 0; b < 256; ++b) {
            const char one = static_cast<char>(b);
            if (!IsLeadByte(static_cast<unsigned char>(b))) single[b] = DecodesAsOne(std::string_view(&one, 1));
        }
        for (unsigned lead = 0; lead < 256; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
            for (unsigned trail = 0; trail < 256; ++trail) {
                if (!IsTrailByte(static_cast<unsigned char>(trail))) continue;
                const char two[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pair[lead][trail] = DecodesAsOne(std::string_view(two, 2));
            }
        }
    }
};

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-8 to UTF-16; a malformed sequence becomes one U+FFFD per byte.
std::u16string Utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
        for (int k = 1; ok && k < length; ++k) {
            const auto t = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            ok = (t & 0xC0) == 0x80;
            c = (c << 6) | (t & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        ok = ok && c >= kSmallest[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (!ok) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;  // a lone surrogate
        }
        AppendUtf8(c, out);
    }
    return out;
}

}  // namespace

std::u16string CanonicalCp932Forms(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        for (const auto& [other, held] : kSecondForms)
            if (c == other) {
                c = held;
                break;
            }
    return out;
}

#ifndef _WIN32

std::u16string Utf16FromCp932(std::string_view bytes) {
    Converter& decoder = Decoder();
    if (!decoder.Valid()) {
        std::u16string result;
        for (unsigned char b : bytes) result += b < 0x80 ? char16_t{b} : kReplacement;
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
    return FromUtf16Le(utf16);
}

std::string Cp932FromUtf16(std::u16string_view text) {
    const std::u16string canonical = CanonicalCp932Forms(text);
    std::string out;
    Converter& encoder = Encoder();
    if (!encoder.Valid()) {
        for (char16_t c : canonical) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        return out;
    }
    const std::string utf16 = ToUtf16Le(canonical);
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

std::u16string Utf16FromCp932(std::string_view bytes) {
    std::u16string result;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = IsLeadByte(b) ? 2 : 1;
        wchar_t wide[2];
        const int n = i + length <= bytes.size() ? DecodeOne(bytes.substr(i, length), wide) : 0;
        if (n > 0) {
            result.append(reinterpret_cast<const char16_t*>(wide), static_cast<std::size_t>(n));
            i += length;
        } else {
            result += kReplacement;
            i += BadCharacterLength(bytes, i);
        }
    }
    return result;
}

std::string Cp932FromUtf16(std::u16string_view text) {
    const std::u16string canonical = CanonicalCp932Forms(text);
    std::string out;
    // Runs of characters go through the system's converter; each character
    // it must not see (a surrogate pair is one) becomes '?' here, as on Linux.
    std::size_t run = 0;
    const auto convertRun = [&](std::size_t end) {
        if (end == run) return;
        const auto* wide = reinterpret_cast<const wchar_t*>(canonical.data() + run);
        const int size = static_cast<int>(end - run);
        const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, "?", nullptr);
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(n));
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, size, out.data() + at, n, "?", nullptr);
    };
    for (std::size_t i = 0; i < canonical.size(); ++i) {
        const char16_t c = canonical[i];
        const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
        // The yen sign and the overline: Linux writes the bytes 0x5C and
        // 0x7E for them (shown so on Japanese systems), Windows would write '?'.
        const bool ascii = c == 0x00A5 || c == 0x203E;
        if (!surrogate && !ascii && !IsUnmappedCharacter(c)) continue;
        convertRun(i);
        out += ascii ? (c == 0x00A5 ? '\\' : '~') : '?';
        if (c <= 0xDBFF && surrogate && i + 1 < canonical.size() && canonical[i + 1] >= 0xDC00 && canonical[i + 1] <= 0xDFFF)
            ++i;
        run = i + 1;
    }
    convertRun(canonical.size());
    return out;
}

#endif

std::string Utf8FromCp932(std::string_view bytes) {
    // ASCII needs no decoder: most of a table's digits and commas are.
    bool ascii = true;
    for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(bytes);
    return Utf8FromUtf16(Utf16FromCp932(bytes));
}

std::string Cp932FromUtf8(std::string_view utf8) { return Cp932FromUtf16(Utf16FromUtf8(utf8)); }

std::size_t FindInvalidCp932(std::string_view bytes) {
    static const Validity validity;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
        } else if (!IsLeadByte(b)) {
            if (!validity.single[b]) return i;
            ++i;
        } else {
            if (i + 1 >= n || !validity.pair[b][p[i + 1]]) return i;
            i += 2;
        }
    }
    return std::string_view::npos;
}

}  // namespace kelvor::table
