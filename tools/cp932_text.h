// The generator writes its Japanese names in the source as UTF-8; the table
// and everything else downstream hold code page 932 bytes. This is the one
// place that converts.
#pragma once

#include <string>
#include <string_view>

namespace kelvor::demo {

// UTF-8 to code page 932. Gives false, leaving out untouched, when the text
// holds a character that code page 932 lacks or is no valid UTF-8.
bool Utf8ToCp932(std::string_view utf8, std::string& out);

// For the generator's own literals, which are all representable: the
// converted text, or an empty string when conversion fails (callers that
// must notice use Utf8ToCp932).
std::string Cp932(std::string_view utf8);

}  // namespace kelvor::demo
