#include "tools/demo_pictures.h"

#include <algorithm>

#include "tools/digit_glyphs.h"

namespace kelvor::demo {

namespace {

constexpr int W = kFrameWidth, H = kFrameHeight;

constexpr DemoPicture kPictures[] = {
    {101, W, H, {0x40, 0x60, 0x30}},            // the frame's size
    {102, W - 10, H - 10, {0x60, 0x50, 0x20}},  // 10 smaller each way
    {103, W - 11, H - 11, {0x30, 0x50, 0x60}},  // 11 smaller each way
    {104, W + 21, H + 21, {0x50, 0x30, 0x60}},  // 21 larger each way
    {105, 400, 300, {0x70, 0x40, 0x40}},
    {106, 400, 150, {0x20, 0x60, 0x60}},        // wider, shorter
    {107, 200, 260, {0x60, 0x60, 0x70}},        // narrower, taller
    {108, 160, 120, {0x80, 0x60, 0x20}},
    {109, W, H, {0x20, 0x40, 0x80}},
    {110, W, H, {0x10, 0x30, 0x70}},
    {111, 300, 230, {0x30, 0x70, 0x80}},
    {112, 250, 180, {0x40, 0x40, 0x90}},
    {113, W, H, {0x20, 0x20, 0x60}},
    {114, 96, 64, {0x10, 0x50, 0x50}},          // tiny
    {115, W, H, {0x60, 0x80, 0xA0}},
    {116, 340, 260, {0x80, 0x80, 0x50}},
    {117, W, H, {0x90, 0x70, 0x90}},
    {118, 220, 170, {0x50, 0x90, 0x70}},
    {119, W, H, {0x70, 0x50, 0x30}},
    {120, 640, 480, {0x40, 0x20, 0x20}},        // much larger
};

constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kShapeColours[] = {{0xE0, 0xC0, 0x40}, {0xC0, 0xE0, 0xE0}, {0xE0, 0x80, 0x80}};

void FillEllipse(Image& img, int cx, int cy, int rx, int ry, Rgb c) {
    if (rx <= 0 || ry <= 0) return;
    for (int y = -ry; y <= ry; ++y)
        for (int x = -rx; x <= rx; ++x)
            if (static_cast<long>(x) * x * ry * ry + static_cast<long>(y) * y * rx * rx <= static_cast<long>(rx) * rx * ry * ry)
                img.Set(cx + x, cy + y, c);
}

void FillTriangle(Image& img, int cx, int top, int half, int height, Rgb c) {
    for (int row = 0; row < height; ++row) {
        const int w = half * row / std::max(height, 1);
        img.FillRect(cx - w, top + row, 2 * w + 1, 1, c);
    }
}

}  // namespace

std::span<const DemoPicture> DemoPictures() { return kPictures; }

Image DrawDemoPicture(const DemoPicture& p) {
    Image img(p.width, p.height, p.background);
    const int w = p.width, h = p.height;
    const int inner = kPictureBorder;
    const Rgb shape = kShapeColours[p.number % 3];
    const int cx = w / 2, cy = h / 2;
    const int rx = std::max(w / 2 - inner - kCornerMark - 4, 1), ry = std::max(h / 2 - inner - kCornerMark - 4, 1);
    switch (p.number % 3) {
        case 0: FillEllipse(img, cx, cy, rx, ry, shape); break;
        case 1: img.FillRect(cx - rx, cy - ry / 2, 2 * rx, ry, shape); break;
        default: FillTriangle(img, cx, cy - ry, rx, 2 * ry, shape); break;
    }
    // The number, as large as fits in about half the width.
    const int scale = std::max(1, std::min(w / 2 / NumberWidth(p.number, 1), h / 3 / kGlyphHeight));
    DrawNumber(img, cx - NumberWidth(p.number, scale) / 2, cy - kGlyphHeight * scale / 2, p.number, scale, {0x10, 0x10, 0x10});

    img.FrameRect(0, 0, w, h, kPictureBorder, kWhite);
    img.FillRect(inner, inner, kCornerMark, kCornerMark, kMarkTopLeft);
    img.FillRect(w - inner - kCornerMark, inner, kCornerMark, kCornerMark, kMarkTopRight);
    img.FillRect(inner, h - inner - kCornerMark, kCornerMark, kCornerMark, kMarkBottomLeft);
    img.FillRect(w - inner - kCornerMark, h - inner - kCornerMark, kCornerMark, kCornerMark, kMarkBottomRight);
    return img;
}

}  // namespace kelvor::demo
