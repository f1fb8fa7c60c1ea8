// The checks a Windows bitmap file passes before its pixels are decoded, so
// that a truncated, corrupt or absurdly large file counts as a failed load,
// with the reason, and never reaches the decoder. Plain code.
#pragma once

#include <array>
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

// What is wrong with a file the panel refuses. panel/bitmap_problem_text.h
// says it in words.
enum class BitmapFault {
    None,
    NotBitmap,            // no "BM" at its start
    HeaderKind,           // values[0]: the header's size in bytes
    CutInHeaders,
    Size,                 // values[0] x values[1] pixels; values[2] the most a side may have
    Bits,                 // values[0] bits a pixel, uncompressed
    BitsInCoreHeader,     // values[0] bits a pixel, with a core header
    MasksAtBits,          // colour masks at values[0] bits a pixel
    RunLengthBits,        // run-length encoded for values[0] bits, with values[1]
    RunLengthTopDown,
    Compression,          // values[0]: the compression's number
    MasksCutOff,
    MaskNotOneRun,        // values[0]: the colour (0 red, 1 green, 2 blue), values[1] its mask
    MaskPast16Bits,       // the same
    MaskShared,           // the same
    PaletteCutOff,        // values[0] colours
    PixelsInHeaders,      // values[0]: the pixels' first byte
    PixelsPastEnd,        // values[0]: the pixels' first byte, values[1] the file's size
    PixelsCutOff,         // values[0] bytes held, values[1] rows, values[2] bytes they take
    RunLengthCodeCutOff,  // values[0]: the code's byte
    RunLengthStops,       // in row values[0] of values[1]
};

struct BitmapProblem {
    BitmapFault fault = BitmapFault::None;
    std::array<std::int64_t, 3> values{};
    bool operator==(const BitmapProblem&) const = default;
};

struct BitmapCheck {
    BitmapProblem problem;  // fault None when the panel can show the file
    BitmapSize size;        // the picture's size, when the file passes
    bool ok() const { return problem.fault == BitmapFault::None; }
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
