// Windows bitmap files decoded into pictures the panel draws: the files
// CheckBitmapFile passes, and no other. Plain code.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "panel/bitmap_check.h"

namespace kelvor::panel {

// The panel's background, black, 0xFFRRGGBB. Pixels a run-length stream
// leaves out (moved over, or after the end of a line or of the bitmap) have
// this colour, as if the picture had none there.
inline constexpr std::uint32_t kPanelBackground = 0xFF000000u;

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xFFRRGGBB, row by row from the top
};

// The picture in `file`: its colours as stored, with every channel of 16-
// and 32-bit pixels scaled to 0 to 255 from however many bits it has (5 bits
// of 31 give 255), and any alpha ignored. What CheckBitmapFile says of the
// file; `picture` is left empty unless it passes.
BitmapCheck DecodeBitmapFile(std::string_view file, Bitmap& picture);

}  // namespace kelvor::panel
