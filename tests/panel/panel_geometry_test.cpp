// Which flag sheet cell a flag field shows, and the unit pictures' file
// names. (Pictures in the panel are checked by its pixels in a window.)
#include <gtest/gtest.h>

#include "panel/panel_geometry.h"

namespace kelvor::panel {
namespace {

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
