// The bitmap files the generator writes, read back with a reader of our own:
// header fields, row order, colour order and row padding; the flag sheet's
// cells; the unit pictures' sizes around the picture frame.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "test_files.h"
#include "tools/bmp_writer.h"
#include "tools/demo_game.h"
#include "tools/demo_palette.h"
#include "tools/demo_pictures.h"

namespace kelvor::demo {
namespace {

auto Key(Rgb c) { return std::tuple{c.r, c.g, c.b}; }

TEST(BmpWriter, HeaderRowsAndPaddingReadBack) {
    // Width 3 needs one padding byte per row; four distinct corners show
    // whether rows are written bottom-up and pixels as blue, green, red.
    for (int width : {3, 4}) {
        Image img(width, 2, {1, 2, 3});
        img.Set(0, 0, {0xFF, 0, 0});
        img.Set(width - 1, 0, {0, 0xFF, 0});
        img.Set(0, 1, {0, 0, 0xFF});
        img.Set(width - 1, 1, {0x10, 0x20, 0x30});
        const std::string bytes = EncodeBmp(img);
        const testing::BmpRead r = testing::ReadBmp(bytes);
        ASSERT_TRUE(r.ok) << width;
        EXPECT_EQ(r.fileSize, bytes.size());
        EXPECT_EQ(r.dataOffset, 54u);
        EXPECT_EQ(bytes.size(), 54u + 2 * ((width * 3 + 3) / 4 * 4));
        EXPECT_EQ(r.width, width);
        EXPECT_EQ(r.height, 2);
        for (auto [x, y] : {std::pair{0, 0}, {width - 1, 0}, {0, 1}, {width - 1, 1}, {1, 0}})
            EXPECT_EQ(r.At(x, y), img.At(x, y)) << width << ": " << x << "," << y;
    }
}

TEST(BmpWriter, DrawingStaysInsideThePicture) {
    Image img(4, 4, {0, 0, 0});
    img.FillRect(-2, -2, 3, 3, {9, 9, 9});  // clipped to (0,0)
    img.FrameRect(1, 1, 10, 10, 1, {7, 7, 7});
    img.Set(4, 0, {5, 5, 5});
    EXPECT_EQ(img.At(0, 0), (Rgb{9, 9, 9}));
    EXPECT_EQ(img.At(1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(img.At(3, 1), (Rgb{7, 7, 7}));
    EXPECT_EQ(img.At(2, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(img.At(4, 0), (Rgb{0, 0, 0}));  // outside reads black
}

class GameBitmaps : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new testing::TempFolder;
        ASSERT_TRUE(WriteDemoGame(dir_->Path()));
    }
    static void TearDownTestSuite() { delete dir_; }
    static testing::BmpRead Read(const std::filesystem::path& rel) { return testing::ReadBmp(testing::ReadBytes(dir_->Path() / rel)); }
    static testing::TempFolder* dir_;
};
testing::TempFolder* GameBitmaps::dir_ = nullptr;

TEST_F(GameBitmaps, FlagSheetCellsAreDistinctAndWhereTheyBelong) {
    const testing::BmpRead sheet = Read("bmp/panel_btn.bmp");
    ASSERT_TRUE(sheet.ok);
    ASSERT_GE(sheet.width, 408);
    ASSERT_GE(sheet.height, 295);
    const auto cells = FlagSheetCells();
    ASSERT_EQ(cells.size(), 33u);
    std::set<std::tuple<int, int, int>> colours, places;
    for (const FlagCell& c : cells) {
        places.insert({c.x, c.y, 0});
        EXPECT_EQ(c.x % kCellWidth, 0);
        EXPECT_TRUE(c.y == kUpperRowY || (c.y == kLowerRowY && c.x > 0)) << c.x << "," << c.y;
        EXPECT_EQ(sheet.At(c.x + 12, c.y + 7), c.colour) << c.flagNumber;
        EXPECT_FALSE(sheet.At(c.x, c.y) == c.colour) << "no border on " << c.flagNumber;
        EXPECT_FALSE(c.colour == kSheetBackground);
        EXPECT_FALSE(c.colour == (Rgb{0, 0, 0}));  // the panel's own background
        colours.insert(Key(c.colour));
        EXPECT_EQ(&FlagCellOfNumber(c.flagNumber), &c);
    }
    EXPECT_EQ(colours.size(), cells.size());
    EXPECT_EQ(places.size(), cells.size());
    // Outside the cells the sheet is plain background.
    EXPECT_EQ(sheet.At(0, 0), kSheetBackground);
    EXPECT_EQ(sheet.At(12, kLowerRowY + 7), kSheetBackground);
}

TEST(FlagSheet, FlagNumbersChooseCellsAsThePanelCountsThem) {
    const std::pair<int, std::pair<int, int>> expected[] = {
        {0, {384, 156}},  {1, {0, 156}},    {16, {360, 156}}, {17, {384, 156}}, {18, {24, 280}},
        {32, {360, 280}}, {33, {384, 280}}, {34, {24, 280}},  {-1, {384, 156}}, {255, {336, 280}},
    };
    for (const auto& [n, xy] : expected) {
        const FlagCell& c = FlagCellOfNumber(n);
        EXPECT_EQ(std::pair(c.x, c.y), xy) << n;
    }
}

TEST_F(GameBitmaps, UnitPicturesAroundTheFrameSize) {
    bool smaller = false, equal = false, larger = false, widerShorter = false;
    std::set<std::tuple<int, int, int>> backgrounds;
    for (const DemoPicture& p : DemoPictures()) {
        const testing::BmpRead r = Read("unit/" + std::to_string(p.number) + ".bmp");
        ASSERT_TRUE(r.ok) << p.number;
        EXPECT_EQ(r.width, p.width);
        EXPECT_EQ(r.height, p.height);
        smaller |= p.width < kFrameWidth && p.height < kFrameHeight;
        equal |= p.width == kFrameWidth && p.height == kFrameHeight;
        larger |= p.width > kFrameWidth && p.height > kFrameHeight;
        widerShorter |= p.width > kFrameWidth && p.height < kFrameHeight;
        const int in = kPictureBorder + kCornerMark;
        EXPECT_EQ(r.At(in, in), p.background) << p.number;
        EXPECT_EQ(r.At(0, 0), (Rgb{0xFF, 0xFF, 0xFF})) << p.number;
        EXPECT_EQ(r.At(kPictureBorder, kPictureBorder), kMarkTopLeft) << p.number;
        EXPECT_EQ(r.At(p.width - 1 - kPictureBorder, kPictureBorder), kMarkTopRight) << p.number;
        EXPECT_EQ(r.At(kPictureBorder, p.height - 1 - kPictureBorder), kMarkBottomLeft) << p.number;
        EXPECT_EQ(r.At(p.width - 1 - kPictureBorder, p.height - 1 - kPictureBorder), kMarkBottomRight) << p.number;
        backgrounds.insert(Key(p.background));
    }
    EXPECT_TRUE(smaller && equal && larger && widerShorter);
    EXPECT_EQ(backgrounds.size(), DemoPictures().size());
    EXPECT_EQ(DemoPictures().front().number, kFirstPictureNumber);
    EXPECT_EQ(DemoPictures().back().number, kLastPictureNumber);
}

}  // namespace
}  // namespace kelvor::demo
