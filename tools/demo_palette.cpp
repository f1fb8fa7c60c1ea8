#include "tools/demo_palette.h"

#include <array>

#include "tools/digit_glyphs.h"

namespace kelvor::demo {

namespace {

constexpr int kUpperCells = 17;
constexpr int kCellCount = 33;

// Fill colours, upper row first; no two alike, none grey.
constexpr Rgb kColours[kCellCount] = {
    {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}, {0xFF, 0xFF, 0x00}, {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF}, {0xAA, 0x00, 0x00}, {0x00, 0xAA, 0x00}, {0x00, 0x00, 0xAA}, {0xAA, 0xAA, 0x00},
    {0xAA, 0x00, 0xAA}, {0x00, 0xAA, 0xAA}, {0xFF, 0x55, 0x00}, {0x55, 0xFF, 0x00}, {0x00, 0x55, 0xFF},
    {0xFF, 0x00, 0x55}, {0x55, 0x00, 0xFF},
    {0x00, 0xFF, 0x55}, {0xFF, 0xAA, 0x00}, {0xAA, 0xFF, 0x00}, {0x00, 0xAA, 0xFF}, {0xFF, 0x00, 0xAA},
    {0xAA, 0x00, 0xFF}, {0x00, 0xFF, 0xAA}, {0x55, 0x00, 0x00}, {0x00, 0x55, 0x00}, {0x00, 0x00, 0x55},
    {0x55, 0x55, 0x00}, {0x55, 0x00, 0x55}, {0x00, 0x55, 0x55}, {0xFF, 0xAA, 0x55}, {0x55, 0xAA, 0xFF},
    {0xAA, 0xFF, 0x55},
};

std::array<FlagCell, kCellCount> MakeCells() {
    std::array<FlagCell, kCellCount> cells{};
    for (int i = 0; i < kCellCount; ++i) {
        const bool upper = i < kUpperCells;
        const int col = upper ? i : i - kUpperCells + 1;
        cells[static_cast<std::size_t>(i)] = {kCellWidth * col, upper ? kUpperRowY : kLowerRowY,
                                              upper ? col + 1 : col + 17, kColours[i]};
    }
    return cells;
}

const std::array<FlagCell, kCellCount> kCells = MakeCells();

// Black on light fills, white on dark ones.
Rgb Contrast(Rgb c) {
    const int luma = 299 * c.r + 587 * c.g + 114 * c.b;
    return luma > 128 * 1000 ? Rgb{0, 0, 0} : Rgb{0xFF, 0xFF, 0xFF};
}

}  // namespace

std::span<const FlagCell> FlagSheetCells() { return kCells; }

const FlagCell& FlagCellOfNumber(int flagNumber) {
    int col = flagNumber - 1;
    if (col > 16) return kCells[static_cast<std::size_t>(kUpperCells + (col - 1) % 16)];
    if (col < 0) col = 16;
    return kCells[static_cast<std::size_t>(col)];
}

Image DrawFlagSheet() {
    Image sheet(kSheetWidth, kSheetHeight, kSheetBackground);
    for (const FlagCell& cell : kCells) {
        const Rgb ink = Contrast(cell.colour);
        sheet.FillRect(cell.x, cell.y, kCellWidth, kCellHeight, cell.colour);
        sheet.FrameRect(cell.x, cell.y, kCellWidth, kCellHeight, 1, ink);
        // The number sits left of the centre pixel (x + 12) and stays clear of it.
        DrawNumber(sheet, cell.x + 2, cell.y + 5, cell.flagNumber, 1, ink);
    }
    return sheet;
}

}  // namespace kelvor::demo
