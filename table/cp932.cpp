#include "table/cp932.h"

namespace kelvor::table {

namespace {

// Folds one character (a byte, or lead << 8 | trail) to its small letter.
unsigned Fold(unsigned c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0x8260 && c <= 0x8279) return c + 0x21;  // Ａ..Ｚ -> ａ..ｚ
    if (c >= 0x839F && c <= 0x83B6) return c + 0x20;  // Α..Ω -> α..ω
    if (c >= 0x8440 && c <= 0x844E) return c + 0x30;  // А..Н -> а..н
    if (c >= 0x844F && c <= 0x8460) return c + 0x31;  // О..Я -> о..я (0x847F is not used)
    return c;
}

// A small letter, the form Fold gives a capital.
bool IsSmallLetter(unsigned c) {
    return (c >= 'a' && c <= 'z') || (c >= 0x8281 && c <= 0x829A) || (c >= 0x83BF && c <= 0x83D6) ||
           (c >= 0x8470 && c <= 0x8491 && c != 0x847F);
}

// The character at s[i] (one or two bytes); i moves past it.
unsigned Next(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (IsLeadByte(b) && i < s.size()) return (b << 8) | static_cast<unsigned char>(s[i++]);
    return b;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    // Folding keeps every character's length, so equal texts have equal sizes.
    if (a.size() != b.size()) return false;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (Fold(Next(a, i)) != Fold(Next(b, j))) return false;
    return i == a.size() && j == b.size();
}

std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        const unsigned c = Fold(Next(text, i));
        if (i - start == 2) out += static_cast<char>(c >> 8);
        out += static_cast<char>(c & 0xFF);
    }
    return out;
}

bool IsCaseless(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned c = Next(text, i);
        if (Fold(c) != c || IsSmallLetter(c)) return false;
    }
    return true;
}

std::size_t FindAtCharBoundary(std::string_view haystack, std::string_view needle) {
    if (needle.empty()) return 0;
    std::size_t i = 0;
    while (i < haystack.size()) {
        if (haystack.compare(i, needle.size(), needle) == 0) return i;
        Next(haystack, i);
    }
    return std::string_view::npos;
}

}  // namespace kelvor::table
