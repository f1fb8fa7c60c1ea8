// The flag sprite sheet the generator writes as bmp/panel_btn.bmp: where its
// cells are and the colour of each, so tests can tell which cell a picture
// panel shows. Each cell is one solid colour with a one-pixel border and the
// flag number that selects it drawn in its left part; its centre pixel
// (x + 12, y + 7) always has the cell's colour.
#pragma once

#include <span>

#include "tools/bmp_writer.h"

namespace kelvor::demo {

inline constexpr int kSheetWidth = 408;
inline constexpr int kSheetHeight = 295;
inline constexpr int kCellWidth = 24;
inline constexpr int kCellHeight = 15;
inline constexpr int kUpperRowY = 156;  // columns 0 to 16
inline constexpr int kLowerRowY = 280;  // columns 1 to 16
inline constexpr Rgb kSheetBackground{0x30, 0x30, 0x30};

struct FlagCell {
    int x, y;      // top-left corner in the sheet
    int flagNumber;  // the smallest flag number that shows this cell
    Rgb colour;    // fill, and the centre pixel
};

// The 33 cells: the upper row's columns 0 to 16, then the lower row's 1 to 16.
std::span<const FlagCell> FlagSheetCells();

// The cell a panel shows for a flag number: 1 to 17 the upper row's columns
// 0 to 16, 18 and above the lower row's columns 1 to 16 in turn, 0 and
// negative numbers the upper row's column 16.
const FlagCell& FlagCellOfNumber(int flagNumber);

// The whole sheet.
Image DrawFlagSheet();

}  // namespace kelvor::demo
