// Where the panel's pixels come from: the unit picture centred or cropped
// axis by axis, the flag sheet's cell for a flag field, the file names.
#include <gtest/gtest.h>

#include "panel/panel_geometry.h"

namespace kelvor::panel {
namespace {

TEST(PanelGeometry, EachAxisIsCentredOrCroppedOnItsOwnWithTheRemainderDropped) {
    constexpr int W = 331, H = 234;
    struct Case {
        int w, h;
        Copy copy;
    } cases[] = {
        {W, H, {0, 0, 0, 0, W, H}},                          // the panel's size
        {W - 10, H - 10, {0, 0, 5, 5, W - 10, H - 10}},      // smaller: centred
        {W - 11, H - 11, {0, 0, 5, 5, W - 11, H - 11}},      // 5.5 drops to 5
        {W + 21, H + 21, {10, 10, 0, 0, W, H}},              // larger: the central part
        {W + 69, H - 85, {34, 0, 0, 42, W, H - 85}},         // wider but shorter
        {1, H + 1, {0, 0, (W - 1) / 2, 0, 1, H}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceUnitPicture(c.w, c.h, W, H), c.copy) << c.w << " x " << c.h;
}

TEST(PanelGeometry, FlagFieldChoosesTheSheetCell) {
    struct Case {
        const char* field;
        int x, y;
    } cases[] = {
        {"0", 384, 156},  {"1", 0, 156},    {"16", 360, 156}, {"17", 384, 156}, {"18", 24, 280},
        {"32", 360, 280}, {"33", 384, 280}, {"34", 24, 280},  {"50", 24, 280},  {"3a", 384, 156},
        {"-1", 384, 156}, {"", 384, 156},   {"007", 144, 156},
        {"2147483647", 336, 280},  // the largest number still names a cell
        {"99999999999", 384, 156},  // past the integers: 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceFlag(c.field), (Copy{c.x, c.y, 4, 4, 24, 15})) << '"' << c.field << '"';
}

TEST(PanelGeometry, UnitPictureFileNamesAreSignedDecimalWithoutPadding) {
    EXPECT_EQ(UnitPictureFileName(101), "101.bmp");
    EXPECT_EQ(UnitPictureFileName(0), "0.bmp");
    EXPECT_EQ(UnitPictureFileName(-5), "-5.bmp");
}

}  // namespace
}  // namespace kelvor::panel
