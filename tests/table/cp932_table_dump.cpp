// Writes what the code page 932 conversion of this system answers for every
// one- and two-byte code, one code a line: the bytes, the UTF-16 they decode
// to, the bytes that text encodes to, and where the validity check stops;
// then the bytes every other character of the Basic Multilingual Plane
// encodes to. Two systems' answers are compared line by line (./test: Linux
// and Windows).
#include <cstdio>
#include <string>

#include "table/cp932_codec.h"

namespace {

void Line(const std::string& bytes) {
    using namespace kelvor::table;
    for (unsigned char b : bytes) std::printf("%02X", b);
    std::printf(" ->");
    const std::u16string text = Utf16FromCp932(bytes);
    for (char16_t c : text) std::printf(" U+%04X", static_cast<unsigned>(c));
    std::printf(" ->");
    for (unsigned char b : Cp932FromUtf16(text)) std::printf(" %02X", b);
    const std::size_t bad = FindInvalidCp932(bytes);
    std::printf(" invalid at %d\n", bad == std::string::npos ? -1 : static_cast<int>(bad));
}

}  // namespace

int main() {
    for (unsigned first = 0; first < 256; ++first) {
        Line(std::string(1, static_cast<char>(first)));
        if (!((first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xFC))) continue;
        for (unsigned second = 0; second < 256; ++second)
            Line(std::string{static_cast<char>(first), static_cast<char>(second)});
    }
    for (unsigned c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::printf("U+%04X ->", c);
        for (unsigned char b : kelvor::table::Cp932FromUtf16(std::u16string(1, static_cast<char16_t>(c)))) std::printf(" %02X", b);
        std::printf("\n");
    }
    return 0;
}
