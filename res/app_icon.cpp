// Icon 128: a small tank under a red pennant, in colours of the classic
// 16-colour palette, drawn as character maps: "." is transparent, every
// letter one colour.
#include <array>
#include <vector>

#include "res/unit_form_template.h"

namespace kelvor::res {

namespace {

constexpr const char* kLarge[32] = {
    "................................",
    "................................",
    "...................kRRRRRRRRk...",
    "...................kRRRRRRRRRk..",
    "...................kRRRRRRRRRRk.",
    "...................kRRRRRRRRRk..",
    "...................krrrrrrrrk...",
    "...................kkkkkkkkk....",
    "...................k............",
    "..........kkkkkkkkkkkk..........",
    "........kkyyyyyyyyyyyykk........",
    ".......kyyoooooooooooookkkkkkkkk",
    ".......kyoooookkkooooooyyyyyyyyk",
    ".......koooookyykooooooooooooook",
    ".......koooooookooooookkkkkkkkkk",
    "......kkkkkkkkkkkkkkkkkkk.......",
    "...kkkkyyyyyyyyyyyyyyyyyyykkkk..",
    "..kyyyyooooooooooooooooooooyyyk.",
    ".kyoooooooooooooooooooooooooook.",
    ".kooooooooooooooooooooooooooook.",
    ".kggggggggggggggggggggggggggggk.",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "kddddddddddddddddddddddddddddddk",
    "kdkkkdkkkdkkkdkkkdkkkdkkkdkkkddk",
    "kkssskssskssskssskssskssskssskdk",
    "kkswskswskswskswskswskswskswskdk",
    "kkssskssskssskssskssskssskssskdk",
    "kdkkkdkkkdkkkdkkkdkkkdkkkdkkkddk",
    "kddddddddddddddddddddddddddddddk",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "................................",
    "................................",
};

constexpr const char* kSmall[16] = {
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

struct PaletteEntry {
    char letter;
    std::uint32_t argb;
};
constexpr PaletteEntry kPalette[] = {
    {'k', 0xFF000000},  // black
    {'r', 0xFF800000},  // maroon
    {'g', 0xFF008000},  // green
    {'o', 0xFF808000},  // olive
    {'d', 0xFF808080},  // grey
    {'s', 0xFFC0C0C0},  // silver
    {'R', 0xFFFF0000},  // red
    {'y', 0xFFFFFF00},  // yellow
    {'w', 0xFFFFFFFF},  // white
};

std::uint32_t Colour(char letter) {
    for (const PaletteEntry& entry : kPalette)
        if (entry.letter == letter) return entry.argb;
    return 0x00000000;  // transparent
}

template <std::size_t N>
std::vector<std::uint32_t> Draw(const char* const (&map)[N]) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(N * N);
    for (const char* row : map)
        for (std::size_t x = 0; x < N; ++x) pixels.push_back(Colour(row[x]));
    return pixels;
}

}  // namespace

const IconTemplate& AppIconTemplate() {
    static const std::vector<std::uint32_t> large = Draw(kLarge);
    static const std::vector<std::uint32_t> small = Draw(kSmall);
    static const std::array<IconImage, 2> images{IconImage{32, 32, large}, IconImage{16, 16, small}};
    static const IconTemplate icon{kIdAppIcon, images};
    return icon;
}

}  // namespace kelvor::res
