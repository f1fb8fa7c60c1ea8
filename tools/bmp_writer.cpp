#include "tools/bmp_writer.h"

#include <algorithm>

#include "tools/file_output.h"

namespace kelvor::demo {

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Image::Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = c;
}

Rgb Image::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0};
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Image::FillRect(int x, int y, int w, int h, Rgb c) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) Set(xx, yy, c);
}

void Image::FrameRect(int x, int y, int w, int h, int thickness, Rgb c) {
    FillRect(x, y, w, thickness, c);
    FillRect(x, y + h - thickness, w, thickness, c);
    FillRect(x, y, thickness, h, c);
    FillRect(x + w - thickness, y, thickness, h, c);
}

namespace {

void PutU16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void PutU32(std::string& s, std::uint32_t v) {
    PutU16(s, v & 0xFFFF);
    PutU16(s, v >> 16);
}

}  // namespace

std::string EncodeBmp(const Image& image) {
    const auto w = static_cast<std::uint32_t>(image.Width());
    const auto h = static_cast<std::uint32_t>(image.Height());
    const std::uint32_t rowBytes = (w * 3 + 3) & ~3u;
    const std::uint32_t dataOffset = 14 + 40;
    const std::uint32_t dataSize = rowBytes * h;

    std::string s;
    s.reserve(dataOffset + dataSize);
    s += "BM";
    PutU32(s, dataOffset + dataSize);
    PutU32(s, 0);  // reserved
    PutU32(s, dataOffset);
    PutU32(s, 40);  // info header size
    PutU32(s, w);
    PutU32(s, h);   // positive: bottom-up
    PutU16(s, 1);   // planes
    PutU16(s, 24);  // bits per pixel
    PutU32(s, 0);   // no compression
    PutU32(s, dataSize);
    PutU32(s, 2835);  // 72 dpi
    PutU32(s, 2835);
    PutU32(s, 0);  // no palette
    PutU32(s, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            s += static_cast<char>(c.b);
            s += static_cast<char>(c.g);
            s += static_cast<char>(c.r);
        }
        s.append(rowBytes - w * 3, '\0');
    }
    return s;
}

bool WriteBmp(const std::filesystem::path& file, const Image& image) {
    return WriteFileBytes(file, EncodeBmp(image));
}

}  // namespace kelvor::demo
