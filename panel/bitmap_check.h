// The checks a Windows bitmap file passes before its pixels are decoded, so
// that a truncated, corrupt or absurdly large file counts as a failed load,
// with the reason, and never reaches the decoder. Plain code.
#pragma once

#include <cstdint>
#include <string>
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

struct BitmapCheck {
    std::string problem;  // empty when the panel can show the file; else what is wrong with it
    BitmapSize size;      // the picture's size, when the file passes
    bool ok() const { return problem.empty(); }
};

// Whether `file` is a bitmap file the panel can show: the "BM" file header
// and a core (12-byte) or info (40 to 124-byte) header; sides of 1 to
// kMaxBitmapSide pixels; 1, 4, 8 or 24 bits a pixel uncompressed, 16 or 32
// (not with a core header) uncompressed or with colour masks (each one run
// of bits inside the pixel, none sharing a bit with another), or 8 or 4 bits
// run-length encoded (bottom-up only); a palette and pixel data the file
// holds whole: every row of an uncompressed picture, a run-length stream
// complete to its end-of-bitmap mark (or to the end of its last row).
BitmapCheck CheckBitmapFile(std::string_view file);

}  // namespace kelvor::panel
