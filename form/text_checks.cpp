#include "form/text_checks.h"

#include <cstdint>
#include <cstdio>
#include <limits>

#include "table/cp932.h"

namespace kelvor::form {

TextRefusal CheckTextField(int field, std::string_view text) {
    if (field == 0 && text.empty()) return TextRefusal::EmptyName;
    // In code page 932 these bytes only ever stand for themselves.
    if (text.find_first_of(",\r\n") != std::string_view::npos) return TextRefusal::Separator;
    return TextRefusal::None;
}

namespace {

// The text of a number box (code page 932) with the full-width digits,
// signs and space an input method types turned into their ASCII forms;
// everything else as it is.
std::string AsciiNumberText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (!table::IsLeadByte(lead) || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0x82 && trail >= 0x4F && trail <= 0x58)
            out += static_cast<char>('0' + (trail - 0x4F));  // ０..９
        else if (lead == 0x81 && trail == 0x7C)
            out += '-';  // －
        else if (lead == 0x81 && trail == 0x7B)
            out += '+';  // ＋
        else if (lead == 0x81 && trail == 0x40)
            out += ' ';  // the full-width space
        else
            out.append(text.substr(i, 2));  // anything else, the full-width comma among it, stays
        ++i;
    }
    return out;
}

}  // namespace

std::optional<int> ParseFormInteger(std::string_view typed) {
    const std::string ascii = AsciiNumberText(typed);
    const std::string_view text = ascii;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i++] - '0');
        if (value > kLimit) return std::nullopt;
    }
    if (i == digitsStart) return std::nullopt;
    while (i < text.size() && blank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

std::string CodePointNames(std::span<const char32_t> characters) {
    std::string out;
    for (char32_t c : characters) {
        char name[16];
        std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
        if (!out.empty()) out += ' ';
        out += name;
    }
    return out;
}

}  // namespace kelvor::form
