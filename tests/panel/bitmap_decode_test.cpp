// Bitmap files decoded to the pixels they are known to hold: channels of
// any width scaled to the full range, and run-length pixels the stream
// leaves out in the panel's background. (Files of every kind are compared
// with another decoder in tests/app/panel_images_test.cpp.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "panel/bitmap_decode.h"
#include "panel/bitmap_problem_text.h"
#include "tests/panel/bmp_bytes.h"

namespace kelvor::panel {
namespace {

using testing::BmpLayout;
using testing::BuildBmp;

constexpr std::uint32_t kBg = kPanelBackground;
constexpr std::uint32_t Grey(std::uint32_t v) { return 0xFF000000u | v << 16 | v << 8 | v; }
// Palette entry i: red 0x80, green i << 4, blue i; never the background.
std::string Palette(int colours) {
    std::string p;
    for (int i = 0; i < colours; ++i) p += {static_cast<char>(i), static_cast<char>(i << 4), '\x80', '\0'};
    return p;
}
constexpr std::uint32_t Entry(std::uint32_t i) { return 0xFF800000u | (i << 4 & 0xFF) << 8 | i; }

std::vector<std::uint32_t> Decoded(const BmpLayout& layout) {
    Bitmap picture;
    const BitmapCheck check = DecodeBitmapFile(BuildBmp(layout), picture);
    EXPECT_TRUE(check.ok()) << BitmapProblemText(check.problem, ProblemLanguage::English);
    EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(layout.width) * std::abs(layout.height));
    return picture.pixels;
}

TEST(BitmapDecode, ChannelsOfEveryWidthScaleToTheFullRange) {
    const std::string masks565("\0\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12);
    const std::string masks444("\0\x0f\0\0\xf0\0\0\0\x0f\0\0\0", 12);
    const std::string masks101010("\0\0\xf0\x3f\0\xfc\x0f\0\xff\x03\0\0", 12);
    // 5 bits each: white, 16 of 31, red.
    EXPECT_EQ(Decoded({3, 1, 16, 0, 40, "", "", std::string("\xff\x7f\x10\x42\0\x7c\0\0", 8)}),
              (std::vector<std::uint32_t>{Grey(255), Grey(132), 0xFFFF0000}));
    EXPECT_EQ(Decoded({2, 1, 16, 3, 40, "", masks565, std::string("\xff\xff\xe0\x07", 4)}),
              (std::vector<std::uint32_t>{Grey(255), 0xFF00FF00}));
    EXPECT_EQ(Decoded({2, 1, 16, 3, 40, "", masks444, std::string("\xff\x0f\x88\x08", 4)}),
              (std::vector<std::uint32_t>{Grey(255), Grey(136)}));
    // 10 bits each, in a header holding the masks: white, 512 of 1023, red.
    EXPECT_EQ(Decoded({3, 1, 32, 3, 108, "", masks101010, std::string("\xff\xff\xff\x3f\0\x02\x08\x20\0\0\xf0\x3f", 12)}),
              (std::vector<std::uint32_t>{Grey(255), Grey(128), 0xFFFF0000}));
}

TEST(BitmapDecode, IndicesPastAShortPaletteAreOpaqueBlack) {
    EXPECT_EQ(Decoded({2, 1, 1, 0, 40, Palette(1), "", std::string("\x40\0\0\0", 4)}),
              (std::vector<std::uint32_t>{Entry(0), 0xFF000000}));
}

TEST(BitmapDecode, RunLengthPixelsLeftOutAreTheBackground) {
    // 4 x 3, bottom row first: a run of 6 cut at the picture's edge, end of
    // line; move (1, 1), a run of one; end of bitmap.
    EXPECT_EQ(Decoded({4, 3, 8, 1, 40, Palette(256), "", std::string("\6\5\0\0\0\2\1\1\1\7\0\1", 12)}),
              (std::vector<std::uint32_t>{kBg, Entry(7), kBg, kBg,  //
                                          kBg, kBg, kBg, kBg,       //
                                          Entry(5), Entry(5), Entry(5), Entry(5)}));
    // At 4 bits: a literal of 3, end of line early; end of bitmap a row early.
    EXPECT_EQ(Decoded({4, 3, 4, 2, 40, Palette(16), "", std::string("\0\3\x12\x30\0\0\2\x9a\0\1", 10)}),
              (std::vector<std::uint32_t>{kBg, kBg, kBg, kBg,  //
                                          Entry(9), Entry(10), kBg, kBg,       //
                                          Entry(1), Entry(2), Entry(3), kBg}));
}

}  // namespace
}  // namespace kelvor::panel
