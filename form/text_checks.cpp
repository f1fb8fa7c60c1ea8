#include "form/text_checks.h"

#include <cstdio>

namespace kelvor::form {

TextRefusal CheckTextField(int field, std::string_view text) {
    if (field == 0 && text.empty()) return TextRefusal::EmptyName;
    // In code page 932 these bytes only ever stand for themselves.
    if (text.find_first_of(",\r\n") != std::string_view::npos) return TextRefusal::Separator;
    return TextRefusal::None;
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
