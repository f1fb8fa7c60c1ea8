#include "tools/cp932_text.h"

#include <iconv.h>

#include <cerrno>

namespace kelvor::demo {

bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string result;
    // Code page 932 never needs more bytes than UTF-8 for the same text.
    result.resize(utf8.size());
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* dst = result.data();
    std::size_t dstLeft = result.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return false;
    result.resize(result.size() - dstLeft);
    out = std::move(result);
    return true;
}

std::string Cp932(std::string_view utf8) {
    std::string out;
    return Utf8ToCp932(utf8, out) ? out : std::string();
}

}  // namespace kelvor::demo
