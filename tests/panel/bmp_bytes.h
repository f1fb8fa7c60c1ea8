// Bitmap files of every kind the panel reads, built byte by byte for tests:
// uncompressed, bit fields, run-length encoded, palettes, core headers.
#pragma once

#include <cstdint>
#include <string>

namespace kelvor::panel::testing {

inline void PutLE(std::string& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct BmpLayout {
    std::int32_t width = 1;
    std::int32_t height = 1;
    int bitCount = 24;
    std::uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    std::uint32_t headerBytes = 40;  // 12: core header; 108: with colour masks
    std::string palette;            // 4 bytes a colour (3 with a core header)
    std::string masks;              // bit fields: after a 40-byte header, else inside it
    std::string pixels;
};

// File header, info header, masks, palette, pixels.
inline std::string BuildBmp(const BmpLayout& s) {
    std::string info;
    PutLE(info, s.headerBytes, 4);
    if (s.headerBytes == 12) {
        PutLE(info, static_cast<std::uint32_t>(s.width), 2);
        PutLE(info, static_cast<std::uint32_t>(s.height), 2);
        PutLE(info, 1, 2);
        PutLE(info, static_cast<std::uint32_t>(s.bitCount), 2);
    } else {
        PutLE(info, static_cast<std::uint32_t>(s.width), 4);
        PutLE(info, static_cast<std::uint32_t>(s.height), 4);
        PutLE(info, 1, 2);
        PutLE(info, static_cast<std::uint32_t>(s.bitCount), 2);
        PutLE(info, s.compression, 4);
        PutLE(info, static_cast<std::uint32_t>(s.pixels.size()), 4);
        PutLE(info, 2835, 4);
        PutLE(info, 2835, 4);
        PutLE(info, static_cast<std::uint32_t>(s.palette.size() / 4), 4);
        PutLE(info, 0, 4);
        if (s.headerBytes > 40) info += s.masks;  // inside the longer headers
        info.resize(s.headerBytes, '\0');
    }
    const std::string before = info + (s.headerBytes == 40 ? s.masks : std::string()) + s.palette;
    std::string file = "BM";
    PutLE(file, static_cast<std::uint32_t>(14 + before.size() + s.pixels.size()), 4);
    PutLE(file, 0, 4);
    PutLE(file, static_cast<std::uint32_t>(14 + before.size()), 4);
    return file + before + s.pixels;
}

}  // namespace kelvor::panel::testing
