// Bitmap files decoded into the panel's pictures, and the panel drawn from
// them: Qt images only, no window.
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "app/panel/panel_images.h"
#include "tests/panel/bmp_bytes.h"

namespace kelvor::panel {
namespace {

using testing::BmpLayout;
using testing::BuildBmp;

// 32 bits with half alpha: the colour as stored, opaque.
TEST(PanelImages, ThirtyTwoBitsWithHalfAlphaDecodeToTheColourAsStored) {
    const QImage picture = DecodeBitmap(
        BuildBmp({1, 1, 32, 3, 108, "", std::string("\0\0\xff\0\0\xff\0\0\xff\0\0\0\0\0\0\xff", 16), "\x10\x20\x30\x80"}));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0x30, 0x20, 0x10));
}

std::string RandomBytes(std::mt19937& random, std::size_t n) {
    std::string bytes(n, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    return bytes;
}

// Random runs and literals that set every pixel of every row.
std::string RunLengthStream(std::mt19937& random, int w, int h, bool fourBits) {
    std::string stream;
    for (int y = 0; y < h; ++y) {
        for (int x = 0, n = 0; x < w; x += n) {
            n = std::min<int>(w - x, 1 + static_cast<int>(random() % 9));
            std::string literal = RandomBytes(random, static_cast<std::size_t>(fourBits ? (n + 1) / 2 : n));
            if (n < 3 || random() % 2) stream += {static_cast<char>(n), literal[0]};
            else stream += std::string{'\0', static_cast<char>(n)} + literal + std::string(literal.size() % 2, '\0');
        }
        stream += std::string(1, '\0') + (y + 1 < h ? '\0' : '\1');
    }
    return stream;
}

// Qt's reader is the other decoder, for the kinds it gets right: it scales
// 5-bit channels to 248 and wider ones than 8 bits to 0, and leaves pixels a
// run-length stream skips unwritten; tests/panel knows those files' pixels.
TEST(PanelImages, EveryKindDecodesAsQtDecodesItWhereQtIsRight) {
    std::mt19937 random(15);
    const std::string masks("\0\xff\0\0\0\0\xff\0\xff\0\0\0", 12);  // green, blue, red
    const struct {
        const char* name;
        BmpLayout layout;
    } kinds[] = {
        {"1 bit", {13, 7, 1, 0, 40, "", "", ""}},         {"1 bit, top-down", {13, -7, 1, 0, 40, "", "", ""}},
        {"4 bits", {13, 7, 4, 0, 40, "", "", ""}},        {"8 bits", {13, 7, 8, 0, 40, "", "", ""}},
        {"8 bits, core header", {13, 7, 8, 0, 12, "", "", ""}},
        {"24 bits", {13, 7, 24, 0, 40, "", "", ""}},      {"24 bits, top-down", {13, -7, 24, 0, 40, "", "", ""}},
        {"32 bits", {13, 7, 32, 0, 40, "", "", ""}},      {"32 bits, masks", {13, 7, 32, 3, 40, "", masks, ""}},
        {"32 bits, masks in a v5 header, top-down", {13, -7, 32, 3, 124, "", masks, ""}},
        {"RLE8", {13, 7, 8, 1, 40, "", "", ""}},          {"RLE4", {13, 7, 4, 2, 40, "", "", ""}},
    };
    for (auto [name, layout] : kinds) {
        if (layout.bitCount <= 8)
            layout.palette = RandomBytes(random, (layout.headerBytes == 12 ? 3u : 4u) << layout.bitCount);
        const std::size_t stride = (13u * static_cast<unsigned>(layout.bitCount) + 31) / 32 * 4;
        layout.pixels = layout.compression == 1 || layout.compression == 2
                            ? RunLengthStream(random, 13, 7, layout.compression == 2)
                            : RandomBytes(random, stride * 7);
        const std::string file = BuildBmp(layout);
        const QImage theirs = QImage::fromData(QByteArray::fromStdString(file), "BMP").convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(theirs.size(), QSize(13, 7)) << name;
        EXPECT_EQ(DecodeBitmap(file), theirs) << name;
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
