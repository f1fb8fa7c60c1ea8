#include "panel/panel_geometry.h"

#include "table/text_format.h"

namespace kelvor::panel {

namespace {

struct Span {
    int src, dst, length;
};

Span PlaceAxis(int size, int frame) {
    if (size > frame) return {(size - frame) / 2, 0, frame};
    return {0, (frame - size) / 2, size};
}

}  // namespace

std::string UnitPictureFileName(int pictureNumber) { return std::to_string(pictureNumber) + ".bmp"; }

Copy PlaceUnitPicture(int w, int h, int W, int H) {
    const Span x = PlaceAxis(w, W);
    const Span y = PlaceAxis(h, H);
    return {x.src, y.src, x.dst, y.dst, x.length, y.length};
}

Copy PlaceFlag(std::string_view flagField) {
    // ParseDecimal gives 0 to INT_MAX, so col never overflows.
    const int n = table::ParseDecimal(flagField);
    int col = n - 1;
    int y = kUpperRowY;
    if (col > 16) {
        col -= 16 * ((col - 1) / 16);
        y = kLowerRowY;
    }
    if (col < 0) col = 16;
    return {kFlagCellWidth * col, y, kFlagX, kFlagY, kFlagCellWidth, kFlagCellHeight};
}

}  // namespace kelvor::panel
