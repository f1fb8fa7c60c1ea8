// The checks a bitmap file passes before decoding: every kind the panel
// reads passes whole, and no cut-off, corrupt, empty or oversized file does.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "panel/bitmap_check.h"
#include "panel/bitmap_problem_text.h"
#include "tests/panel/bmp_bytes.h"

namespace kelvor::panel {
namespace {

using testing::BmpLayout;
using testing::BuildBmp;

const std::string kGreyPalette2 = std::string("\0\0\0\0\xff\xff\xff\0", 8);
const std::string kPalette16(16 * 4, '\x40');
const std::string kPalette256(256 * 4, '\x40');

// Named complete files of every kind, with the size each has.
struct Good {
    const char* name;
    BmpLayout layout;
    int width, height;
};

std::vector<Good> GoodFiles() {
    return {
        {"24 bits, rows padded", {3, 2, 24, 0, 40, "", "", std::string(2 * 12, '\x11')}, 3, 2},
        {"24 bits, top-down", {3, -2, 24, 0, 40, "", "", std::string(2 * 12, '\x11')}, 3, 2},
        {"1 bit", {33, 1, 1, 0, 40, kGreyPalette2, "", std::string(8, '\x55')}, 33, 1},
        {"4 bits", {3, 1, 4, 0, 40, kPalette16, "", std::string(4, '\x12')}, 3, 1},
        {"8 bits, core header", {5, 2, 8, 0, 12, std::string(256 * 3, '\x20'), "", std::string(16, '\x01')}, 5, 2},
        {"16 bits, bit fields", {2, 2, 16, 3, 40, "", std::string("\0\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12),
                                 std::string(8, '\x33')}, 2, 2},
        {"32 bits, alpha mask in a v4 header",
         {1, 1, 32, 3, 108, "", std::string("\0\0\xff\0\0\xff\0\0\xff\0\0\0\0\0\0\xff", 16), "\x10\x20\x30\x80"}, 1, 1},
        {"RLE8: runs, end of bitmap", {4, 2, 8, 1, 40, kPalette256, "", std::string("\4\1\0\0\4\2\0\1", 8)}, 4, 2},
        {"RLE8: literal, delta", {4, 2, 8, 1, 40, kPalette256, "", std::string("\0\3\1\2\3\0\0\2\1\1\0\1", 12)}, 4, 2},
        {"RLE8: last row ended without end of bitmap", {4, 2, 8, 1, 40, kPalette256, "",
                                                        std::string("\4\1\0\0\4\2\0\0", 8)}, 4, 2},
        {"RLE4: literal of 3, padded", {4, 1, 4, 2, 40, kPalette16, "", std::string("\0\3\x12\x30\0\1", 6)}, 4, 1},
        {"the widest accepted", {kMaxBitmapSide, 1, 24, 0, 40, "", "", std::string(kMaxBitmapSide * 3, '\0')},
         kMaxBitmapSide, 1},
    };
}

TEST(BitmapCheck, CompleteFilesOfEveryKindPassWithTheirSize) {
    for (const Good& g : GoodFiles()) {
        const BitmapCheck check = CheckBitmapFile(BuildBmp(g.layout));
        EXPECT_TRUE(check.ok()) << g.name << ": " << BitmapProblemText(check.problem, ProblemLanguage::English);
        EXPECT_EQ(check.size.width, g.width) << g.name;
        EXPECT_EQ(check.size.height, g.height) << g.name;
    }
}

TEST(BitmapCheck, EveryCutOffFileFails) {
    for (const Good& g : GoodFiles()) {
        const std::string file = BuildBmp(g.layout);
        for (std::size_t cut = 0; cut < file.size(); cut += cut < 200 ? 1 : 97)
            EXPECT_FALSE(CheckBitmapFile(file.substr(0, cut)).ok()) << g.name << " cut at " << cut;
    }
}

TEST(BitmapCheck, CorruptEmptyAndOversizedFilesFail) {
    const std::string row(12, '\0');
    auto with = [&](auto change) {
        BmpLayout s{3, 2, 24, 0, 40, "", "", row + row};
        change(s);
        return BuildBmp(s);
    };
    auto masked = [&](int bits, const char* masks) {
        return with([&](BmpLayout& s) { s = {3, 2, bits, 3, 40, "", std::string(masks, 12), s.pixels}; });
    };
    std::string wrongMagic = with([](BmpLayout&) {});
    wrongMagic[1] = 'A';
    std::string pixelsPastTheEnd = with([](BmpLayout&) {});
    pixelsPastTheEnd[10] = '\x7f';
    std::string pixelsInsideTheHeader = with([](BmpLayout&) {});
    pixelsInsideTheHeader[10] = 20;
    struct Bad {
        const char* name;
        BitmapFault fault;
        std::string file;
    };
    const std::vector<Bad> bad = {
        {"wrong magic", BitmapFault::NotBitmap, wrongMagic},
        {"pixels past the end", BitmapFault::PixelsPastEnd, pixelsPastTheEnd},
        {"pixels inside the header", BitmapFault::PixelsInHeaders, pixelsInsideTheHeader},
        {"header size 0", BitmapFault::HeaderKind, with([](BmpLayout& s) { s.headerBytes = 0; })},
        {"header size 13", BitmapFault::HeaderKind, with([](BmpLayout& s) { s.headerBytes = 13; })},
        {"header longer than the file", BitmapFault::HeaderKind, with([](BmpLayout& s) { s.headerBytes = 4000; })},
        {"width 0", BitmapFault::Size, with([](BmpLayout& s) { s.width = 0; })},
        {"height 0", BitmapFault::Size, with([](BmpLayout& s) { s.height = 0; })},
        {"negative width", BitmapFault::Size, with([](BmpLayout& s) { s.width = -3; })},
        {"smallest height", BitmapFault::Size, with([](BmpLayout& s) { s.height = INT_MIN; })},
        {"20000 x 20000", BitmapFault::Size, with([](BmpLayout& s) { s.width = s.height = 20000; })},
        {"20000 x 20000 RLE8, complete", BitmapFault::Size, with([](BmpLayout& s) {
             s = {20000, 20000, 8, 1, 40, kPalette256, "", std::string("\0\1", 2)};
         })},
        {"one pixel too wide", BitmapFault::Size, with([](BmpLayout& s) { s.width = kMaxBitmapSide + 1; })},
        {"7 bits", BitmapFault::Bits, with([](BmpLayout& s) { s.bitCount = 7; })},
        {"24 bits with bit fields", BitmapFault::MasksAtBits, with([](BmpLayout& s) { s.compression = 3; })},
        {"embedded JPEG", BitmapFault::Compression, with([](BmpLayout& s) { s.compression = 4; })},
        {"RLE8 at 4 bits", BitmapFault::RunLengthBits, with([](BmpLayout& s) { s = {4, 1, 4, 1, 40, kPalette16, "", std::string("\4\1\0\1", 4)}; })},
        {"RLE8 top-down", BitmapFault::RunLengthTopDown, with([](BmpLayout& s) { s = {4, -1, 8, 1, 40, kPalette256, "", std::string("\4\1\0\1", 4)}; })},
        {"a mask of two runs of bits", BitmapFault::MaskNotOneRun, masked(16, "\0\xf8\0\0\xe0\x07\0\0\x0f\x01\0\0")},
        {"masks sharing a bit", BitmapFault::MaskShared, masked(16, "\0\xf8\0\0\xe0\x0f\0\0\x1f\0\0\0")},
        {"a mask past 16 bits", BitmapFault::MaskPast16Bits, masked(16, "\0\0\x1f\0\xe0\x07\0\0\x1f\0\0\0")},
        {"16 bits in a core header", BitmapFault::BitsInCoreHeader, with([](BmpLayout& s) { s = {3, 2, 16, 0, 12, "", "", s.pixels}; })},
        {"RLE8 literal past the end", BitmapFault::RunLengthCodeCutOff, with([](BmpLayout& s) {
             s = {4, 1, 8, 1, 40, kPalette256, "", std::string("\0\6\1\2\3\0\1", 7)};
         })},
    };
    for (const auto& [name, fault, file] : bad) EXPECT_EQ(CheckBitmapFile(file).problem.fault, fault) << name;
}

// The reasons in each language, with every kind of value put in.
TEST(BitmapCheck, ReasonsAreSaidWithTheirValuesInEachLanguage) {
    const BitmapProblem shared{BitmapFault::MaskShared, {1, 0x0FE0, 0}};
    const BitmapProblem cut{BitmapFault::PixelsCutOff, {10, 2, 24}};
    EXPECT_EQ(BitmapProblemText(shared, ProblemLanguage::English), "its green mask 0x00000FE0 shares bits with another colour's");
    EXPECT_EQ(BitmapProblemText(shared, ProblemLanguage::Japanese), "緑のマスク 0x00000FE0 がほかの色のマスクとビットを共有しています");
    EXPECT_EQ(BitmapProblemText(cut, ProblemLanguage::English), "it is cut off: it holds 10 bytes of pixels, and its 2 rows take 24");
    EXPECT_EQ(BitmapProblemText(cut, ProblemLanguage::Japanese), "途中で切れています: ピクセルは 10 バイトありますが、2 行には 24 バイト必要です");
    EXPECT_EQ(BitmapProblemText({}, ProblemLanguage::English), "");
}

}  // namespace
}  // namespace kelvor::panel
