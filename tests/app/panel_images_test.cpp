// Bitmap files decoded into the panel's pictures, and the panel drawn from
// them: Qt images only, no window.
#include <QImage>

#include <gtest/gtest.h>

#include <string>

#include "app/panel/panel_images.h"
#include "tests/panel/bmp_bytes.h"

namespace kelvor::panel {
namespace {

using testing::BmpLayout;
using testing::BuildBmp;

// Palette entry i is red 255 - i, green 0x80, blue i (stored blue first).
std::string Palette(int colours) {
    std::string p;
    for (int i = 0; i < colours; ++i) p += {static_cast<char>(i), '\x80', static_cast<char>(255 - i), '\0'};
    return p;
}
constexpr QRgb Entry(int i) { return qRgb(255 - i, 0x80, i); }

TEST(PanelImages, PicturesOfEveryKindDecodeToTheirOwnOpaqueColours) {
    struct Case {
        const char* name;
        BmpLayout layout;
        QPoint at;
        QRgb colour;
    } cases[] = {
        {"24 bits, bottom-up", {2, 2, 24, 0, 40, "", "", std::string("\1\2\3\4\5\6\0\0\7\x08\x09\0\0\0\0\0", 16)},
         {0, 0}, qRgb(9, 8, 7)},
        {"8 bits with a palette", {2, 1, 8, 0, 40, Palette(256), "", std::string("\5\6\0\0", 4)}, {1, 0}, Entry(6)},
        {"RLE8", {4, 2, 8, 1, 40, Palette(256), "", std::string("\4\1\0\0\4\2\0\1", 8)}, {3, 0}, Entry(2)},
        {"RLE4", {4, 1, 4, 2, 40, Palette(16), "", std::string("\0\3\x12\x30\0\1", 6)}, {1, 0}, Entry(2)},
        {"32 bits with half alpha: the colour as stored",
         {1, 1, 32, 3, 108, "", std::string("\0\0\xff\0\0\xff\0\0\xff\0\0\0\0\0\0\xff", 16), "\x10\x20\x30\x80"},
         {0, 0}, qRgb(0x30, 0x20, 0x10)},
    };
    for (const Case& c : cases) {
        const QImage picture = DecodeBitmap(BuildBmp(c.layout));
        ASSERT_FALSE(picture.isNull()) << c.name;
        EXPECT_EQ(picture.format(), QImage::Format_RGB32) << c.name;
        EXPECT_EQ(picture.pixel(c.at), c.colour) << c.name;
    }
}

TEST(PanelImages, AFlagCellPastASmallSheetCopiesOnlyWhatTheSheetHas) {
    QImage sheet(30, 160, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 200, 0));
    const QImage panel = DrawPanel(QSize(40, 30), nullptr, &sheet, "2");  // cell (24, 156): 6 x 4 exist
    EXPECT_EQ(panel.pixel(4, 4), qRgb(0, 200, 0));
    EXPECT_EQ(panel.pixel(9, 7), qRgb(0, 200, 0));
    EXPECT_EQ(panel.pixel(10, 7), qRgb(0, 0, 0));
    EXPECT_EQ(panel.pixel(9, 8), qRgb(0, 0, 0));
    EXPECT_TRUE(DrawPanel(QSize(), nullptr, &sheet, "2").isNull());
}

}  // namespace
}  // namespace kelvor::panel
