// The unit pictures of the demo game folder, unit/101.bmp to unit/120.bmp:
// some exactly the size of the editor's picture frame, some smaller, some
// larger, one wider but shorter and one narrower but taller. Each has its
// own background colour, a white border, a coloured mark in each corner, a
// shape and its number in large digits.
#pragma once

#include <span>

#include "tools/bmp_writer.h"

namespace kelvor::demo {

// The picture frame of the unit form, in pixels: 190 x 145 dialog units
// with the window font's base units of 7 x 13 (IPAPGothic, 9 points).
inline constexpr int kFrameWidth = 333;
inline constexpr int kFrameHeight = 236;

inline constexpr int kFirstPictureNumber = 101;
inline constexpr int kLastPictureNumber = 120;

// Corner marks: 8 × 8 squares just inside the 3-pixel border.
inline constexpr int kPictureBorder = 3;
inline constexpr int kCornerMark = 8;
inline constexpr Rgb kMarkTopLeft{0xFF, 0x00, 0x00};
inline constexpr Rgb kMarkTopRight{0x00, 0xFF, 0x00};
inline constexpr Rgb kMarkBottomLeft{0x00, 0x00, 0xFF};
inline constexpr Rgb kMarkBottomRight{0xFF, 0xFF, 0x00};

struct DemoPicture {
    int number;
    int width, height;
    Rgb background;  // also the colour of pixel (kPictureBorder + kCornerMark, kPictureBorder + kCornerMark)
};

// Pictures 101 to 120 in order.
std::span<const DemoPicture> DemoPictures();

Image DrawDemoPicture(const DemoPicture& picture);

}  // namespace kelvor::demo
