// What a text field of the form may hold before Apply writes it into the
// unit's line. Plain code: the window shows the refusal and puts the focus
// into the box.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kelvor::form {

enum class TextRefusal {
    None,
    EmptyName,  // the unit name is empty: the line would no longer be a unit line
    Separator,  // a comma, CR or LF: the line would no longer have 194 fields
};

// The check of text field `field` holding `text` (code page 932).
TextRefusal CheckTextField(int field, std::string_view text);

// How the form reads an integer box: blanks or tabs, an optional sign,
// digits, blanks or tabs, full-width ones taken as ASCII. nullopt for
// anything else (an empty box, a comma of either width, a number outside
// 32 bits): the form then asks for an integer.
std::optional<int> ParseFormInteger(std::string_view text);

// Characters named by their code points, as "U+301C U+1F600".
std::string CodePointNames(std::span<const char32_t> characters);

}  // namespace kelvor::form
