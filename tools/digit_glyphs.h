// Decimal numbers drawn with a 3 × 5 pixel digit font, so that pictures made
// by the generator say which one they are.
#pragma once

#include "tools/bmp_writer.h"

namespace kelvor::demo {

inline constexpr int kGlyphWidth = 3;
inline constexpr int kGlyphHeight = 5;

// Draws the non-negative number with its top-left corner at (x, y); each
// font pixel becomes a scale × scale square and digits stand one font pixel
// apart. Gives the drawn width in pixels.
int DrawNumber(Image& image, int x, int y, int number, int scale, Rgb colour);

// The width DrawNumber would draw.
int NumberWidth(int number, int scale);

}  // namespace kelvor::demo
