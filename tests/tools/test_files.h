// Test helpers for the generator's output: a temporary folder that removes
// itself, reading a whole file, and a small reader of 24-bit bitmap files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "tools/bmp_writer.h"

namespace kelvor::demo::testing {

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("kelvor_tools_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads back what the bitmap writer should have written: a 24-bit,
// uncompressed, bottom-up file with a 40-byte info header. ok stays false
// for anything else or for a file too short for its pixel rows.
struct BmpRead {
    bool ok = false;
    std::uint32_t fileSize = 0, dataOffset = 0;
    int width = 0, height = 0;
    std::string bytes;
    std::uint32_t rowBytes = 0;

    Rgb At(int x, int y) const {  // y = 0 the top row
        const std::size_t row = static_cast<std::size_t>(height - 1 - y);
        const std::size_t p = dataOffset + row * rowBytes + static_cast<std::size_t>(x) * 3;
        auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[p + i]); };
        return {b(2), b(1), b(0)};
    }
};

inline std::uint32_t LittleEndian(const std::string& s, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

inline BmpRead ReadBmp(std::string bytes) {
    BmpRead r;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return r;
    r.fileSize = LittleEndian(bytes, 2, 4);
    r.dataOffset = LittleEndian(bytes, 10, 4);
    const auto w = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
    const auto h = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    if (LittleEndian(bytes, 14, 4) != 40 || LittleEndian(bytes, 26, 2) != 1 || LittleEndian(bytes, 28, 2) != 24 ||
        LittleEndian(bytes, 30, 4) != 0 || w <= 0 || h <= 0)
        return r;
    r.width = w;
    r.height = h;
    r.rowBytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    if (bytes.size() < r.dataOffset + static_cast<std::size_t>(r.rowBytes) * static_cast<std::size_t>(h)) return r;
    r.bytes = std::move(bytes);
    r.ok = true;
    return r;
}

}  // namespace kelvor::demo::testing
