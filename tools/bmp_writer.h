// Pictures in memory and their 24-bit Windows bitmap files: file header,
// 40-byte info header, rows bottom-up, each padded to four bytes, no
// compression and no palette.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kelvor::demo {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class Image {
public:
    Image(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Pixel (x, y), y = 0 the top row. Out-of-picture positions are ignored
    // when set and read as black.
    void Set(int x, int y, Rgb c);
    Rgb At(int x, int y) const;

    // Fills the rectangle, clipped to the picture.
    void FillRect(int x, int y, int w, int h, Rgb c);
    // A frame `thickness` pixels wide just inside the rectangle.
    void FrameRect(int x, int y, int w, int h, int thickness, Rgb c);

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};

// The bytes of the bitmap file.
std::string EncodeBmp(const Image& image);

// Writes the bitmap file; false when it cannot be written.
bool WriteBmp(const std::filesystem::path& file, const Image& image);

}  // namespace kelvor::demo
