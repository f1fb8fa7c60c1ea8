// The checks a Windows bitmap file passes before its pixels are decoded, so
// that a truncated, corrupt or absurdly large file counts as a failed load
// and never reaches the decoder (which would show a truncated file with its
// missing rows black, and allocate whatever a header asks for). Plain code.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvor::panel {

// Neither side of a picture or sheet may pass this many pixels: a game's
// pictures are a few hundred pixels wide, and 4096 x 4096 at four bytes a
// pixel is the most the panel ever holds (64 MiB).
inline constexpr int kMaxBitmapSide = 4096;

// A file larger than this is refused before it is read: the largest
// acceptable bitmap (32 bits a pixel) with room for its headers.
inline constexpr std::uint64_t kMaxBitmapFileBytes =
    std::uint64_t{kMaxBitmapSide} * kMaxBitmapSide * 4 + 64 * 1024;

struct BitmapSize {
    int width = 0;
    int height = 0;
};

// True when `file` is a bitmap file the panel can use: the "BM" file header
// and a core (12-byte) or info (40 to 124-byte) header; sides of 1 to
// kMaxBitmapSide pixels; 1, 4, 8, 16, 24 or 32 bits a pixel uncompressed or
// with bit fields, or 8 or 4 bits run-length encoded (bottom-up only); and
// pixel data the file holds whole: every row of an uncompressed picture, a
// run-length stream complete to its end-of-bitmap mark (or to the end of its
// last row). `size` receives the picture's size.
bool CheckBitmapFile(std::string_view file, BitmapSize* size = nullptr);

}  // namespace kelvor::panel
