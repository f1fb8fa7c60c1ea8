// Where the picture panel takes its pixels from: the file names of its two
// bitmaps, how a unit picture is centred or cropped in the panel, and which
// cell of the flag sheet a flag number shows. Plain code, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace kelvor::panel {

// The flag sprite sheet in the system bitmap folder.
inline constexpr char kFlagSheetFileName[] = "panel_btn.bmp";

// The unit picture's file name in the unit bitmap folder: the picture number
// in signed decimal without leading zeros, then ".bmp" ("101.bmp", "-5.bmp").
std::string UnitPictureFileName(int pictureNumber);

// One rectangle copied from a bitmap into the panel, pixel for pixel.
struct Copy {
    int srcX = 0, srcY = 0;  // top left in the bitmap
    int dstX = 0, dstY = 0;  // top left in the panel
    int width = 0, height = 0;
    friend bool operator==(const Copy&, const Copy&) = default;
};

// A unit picture of w x h pixels in a panel of W x H pixels. Each axis on its
// own: a picture no larger than the panel is centred, a larger one shows its
// central part; the halvings drop the remainder.
Copy PlaceUnitPicture(int w, int h, int W, int H);

// The flag: a cell of the sheet copied to (4, 4) of the panel.
inline constexpr int kFlagField = 2;  // the unit record's field holding the flag number
inline constexpr int kFlagCellWidth = 24;
inline constexpr int kFlagCellHeight = 15;
inline constexpr int kFlagX = 4;
inline constexpr int kFlagY = 4;
inline constexpr int kUpperRowY = 156;  // columns 0 to 16
inline constexpr int kLowerRowY = 280;  // columns 1 to 16

// The cell for the flag field's text: flag number n (plain ASCII digits;
// anything else counts as 0) shows column n - 1 of the upper row up to 17,
// the lower row's columns 1 to 16 in turn from 18 on, and 0 shows column 16.
Copy PlaceFlag(std::string_view flagField);

}  // namespace kelvor::panel
