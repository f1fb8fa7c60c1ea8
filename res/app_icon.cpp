// Icon 128: a small tank under a red pennant, in the classic 16 colours.
// The 16 x 16 picture is drawn as a character map; the 32 x 32 image is the
// same picture at twice the size.
#include <array>
#include <vector>

#include "res/unit_form_template.h"

namespace kelvor::res {

namespace {

constexpr const char* kPicture[16] = {
    "................",
    ".........kRRRR..",
    ".........kRRRR..",
    ".........kRR....",
    ".........k......",
    ".....kkkkk......",
    "....koooook.....",
    "....kooooookkkkk",
    "....koooook.....",
    "..kkkkkkkkkkkk..",
    ".koooooooooooook",
    ".kgggggggggggggk",
    "kdkdkdkdkdkdkdkk",
    "kdsdsdsdsdsdsdsk",
    ".kkkkkkkkkkkkkk.",
    "................",
};

std::uint32_t Colour(char c) {
    switch (c) {
    case 'k': return 0xFF000000;  // black
    case 'o': return 0xFF808000;  // olive
    case 'g': return 0xFF008000;  // green
    case 'd': return 0xFF808080;  // grey
    case 's': return 0xFFC0C0C0;  // silver
    case 'R': return 0xFFFF0000;  // red
    default: return 0x00000000;   // transparent
    }
}

std::vector<std::uint32_t> Draw(int scale) {
    const int size = 16 * scale;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels[static_cast<std::size_t>(y * size + x)] = Colour(kPicture[y / scale][x / scale]);
    return pixels;
}

}  // namespace

const IconTemplate& AppIconTemplate() {
    static const std::vector<std::uint32_t> large = Draw(2);
    static const std::vector<std::uint32_t> small = Draw(1);
    static const std::array<IconImage, 2> images{IconImage{32, 32, large}, IconImage{16, 16, small}};
    static const IconTemplate icon{kIdAppIcon, images};
    return icon;
}

}  // namespace kelvor::res
