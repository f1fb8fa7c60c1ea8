#include "tools/cp932_text.h"

#include <algorithm>

#include "table/cp932_codec.h"

namespace kelvor::demo {

bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    // The codec writes '?' for each character the code page lacks (and for
    // each byte of invalid UTF-8): any '?' beyond those of the text is one.
    std::string result = table::Cp932FromUtf8(utf8);
    if (std::count(result.begin(), result.end(), '?') != std::count(utf8.begin(), utf8.end(), '?')) return false;
    out = std::move(result);
    return true;
}

std::string Cp932(std::string_view utf8) {
    std::string out;
    return Utf8ToCp932(utf8, out) ? out : std::string();
}

}  // namespace kelvor::demo
