#include "tools/digit_glyphs.h"

#include <string>

namespace kelvor::demo {

namespace {

// One row per string, '#' set.
constexpr const char* kDigits[10][kGlyphHeight] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", "..#", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
};

}  // namespace

int NumberWidth(int number, int scale) {
    const int digits = static_cast<int>(std::to_string(number < 0 ? 0 : number).size());
    return (digits * (kGlyphWidth + 1) - 1) * scale;
}

int DrawNumber(Image& image, int x, int y, int number, int scale, Rgb colour) {
    const std::string text = std::to_string(number < 0 ? 0 : number);
    int left = x;
    for (char ch : text) {
        const auto& glyph = kDigits[ch - '0'];
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int col = 0; col < kGlyphWidth; ++col)
                if (glyph[row][col] == '#') image.FillRect(left + col * scale, y + row * scale, scale, scale, colour);
        left += (kGlyphWidth + 1) * scale;
    }
    return NumberWidth(number, scale);
}

}  // namespace kelvor::demo
