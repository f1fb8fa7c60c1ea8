// A bitmap file's pixels as its headers describe them, read by the check and
// the decoding alike: the rows of an uncompressed picture decoded, and the
// walk over a run-length stream that checks it and, given a picture, draws
// it. Plain code.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "panel/bitmap_check.h"

namespace kelvor::panel {

struct Bitmap;

namespace bmp {

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

// One colour channel of a 16- or 32-bit pixel: its bits are
// (pixel >> shift) & max.
struct Channel {
    unsigned shift = 0;
    std::uint32_t max = 0;  // 0: no bits, the channel is 0
};

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = kRgb;
    std::array<Channel, 3> channels;           // red, green, blue of 16- and 32-bit pixels
    std::array<std::uint32_t, 256> palette{};  // 0xFFRRGGBB; colours the file lacks are black
    std::size_t pixelsAt = 0;
};

inline std::uint32_t U16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
inline std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

// The rows of an uncompressed picture (or one with colour masks) whose
// layout has been read and checked, into `picture` of the file's size.
void DecodeRows(std::string_view file, const Layout& layout, Bitmap& picture);

// Walks the run-length stream of a file whose layout has been read: every
// code must lie whole inside the file, and the stream must reach its
// end-of-bitmap mark or finish its last row. With `picture`, of the file's
// size, the pixels the stream sets are set in it and no other. What is
// wrong with the stream; fault None when nothing is.
BitmapProblem WalkRunLength(std::string_view file, const Layout& layout, Bitmap* picture);

// 0xFFRRGGBB: opaque, as the panel draws every pixel.
constexpr std::uint32_t Opaque(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return 0xFF000000u | r << 16 | g << 8 | b;
}

}  // namespace bmp
}  // namespace kelvor::panel
