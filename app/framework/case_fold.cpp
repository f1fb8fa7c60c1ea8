#include "app/framework/case_fold.h"

#if __has_include("table/cp932.h")
#include "table/cp932.h"

namespace kelvor::fw {
bool EqualsIgnoreCase(std::string_view a, std::string_view b) { return table::EqualsIgnoreCase(a, b); }
}  // namespace kelvor::fw

#else
// Stand-in until the table library's comparison is there: ASCII letters and
// the full-width Latin, Greek and Cyrillic letters of code page 932; trail
// bytes are never folded on their own.
namespace kelvor::fw {
namespace {

bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

unsigned Fold(unsigned c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0x8260 && c <= 0x8279) return c + 0x21;  // Ａ..Ｚ -> ａ..ｚ
    if (c >= 0x839F && c <= 0x83B6) return c + 0x20;  // Greek
    if (c >= 0x8440 && c <= 0x844E) return c + 0x30;  // Cyrillic А..Н
    if (c >= 0x844F && c <= 0x8460) return c + 0x31;  // Cyrillic О..Я (skipping 0x847F)
    return c;
}

// The next character (one or two bytes) from s at i.
unsigned Next(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (IsLead(b) && i < s.size()) return (b << 8) | static_cast<unsigned char>(s[i++]);
    return b;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (Fold(Next(a, i)) != Fold(Next(b, j))) return false;
    return i == a.size() && j == b.size();
}

}  // namespace kelvor::fw
#endif
