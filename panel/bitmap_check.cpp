#include "panel/bitmap_check.h"

#include <cstddef>
#include <cstdlib>

namespace kelvor::panel {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kLargestInfoHeaderBytes = 124;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint32_t U16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

std::int32_t I32(std::string_view b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

// The header fields the checks need, whichever header kind the file has.
struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows top-down
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
};

bool ReadHeader(std::string_view file, Header& h) {
    if (file.size() < kFileHeaderBytes + 4 || file[0] != 'B' || file[1] != 'M') return false;
    const std::uint32_t headerBytes = U32(file, kFileHeaderBytes);
    if (file.size() - kFileHeaderBytes < headerBytes) return false;
    if (headerBytes == kCoreHeaderBytes) {
        h.width = U16(file, 18);
        h.height = U16(file, 20);
        h.bitCount = U16(file, 24);
        return true;
    }
    if (headerBytes < kInfoHeaderBytes || headerBytes > kLargestInfoHeaderBytes) return false;
    h.width = I32(file, 18);
    h.height = I32(file, 22);
    h.bitCount = U16(file, 28);
    h.compression = U32(file, 30);
    return true;
}

bool KnownPixelFormat(const Header& h) {
    switch (h.compression) {
    case kRgb:
        return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 || h.bitCount == 24 ||
               h.bitCount == 32;
    case kBitFields: return h.bitCount == 16 || h.bitCount == 32;
    case kRle8: return h.bitCount == 8 && h.height > 0;
    case kRle4: return h.bitCount == 4 && h.height > 0;
    default: return false;
    }
}

// Walks the run-length stream from `at`: every code must lie whole inside
// the file, and the stream must reach its end-of-bitmap mark or finish its
// last row.
bool RunLengthStreamComplete(std::string_view file, std::size_t at, bool fourBits, std::int64_t rows) {
    std::int64_t row = 0;
    while (file.size() - at >= 2) {
        const unsigned count = static_cast<unsigned char>(file[at]);
        const unsigned code = static_cast<unsigned char>(file[at + 1]);
        at += 2;
        if (count > 0) continue;  // a run of one value
        if (code == 0) {          // end of line
            ++row;
            continue;
        }
        if (code == 1) return true;  // end of bitmap
        if (code == 2) {             // move by (dx, dy)
            if (file.size() - at < 2) return false;
            row += static_cast<unsigned char>(file[at + 1]);
            at += 2;
            continue;
        }
        // `code` literal pixels, padded to a whole number of 16-bit words.
        std::size_t bytes = fourBits ? (code + 1) / 2 : code;
        bytes += bytes % 2;
        if (file.size() - at < bytes) return false;
        at += bytes;
    }
    return at == file.size() && row >= rows;
}

}  // namespace

bool CheckBitmapFile(std::string_view file, BitmapSize* size) {
    Header h;
    if (!ReadHeader(file, h)) return false;
    const std::int64_t rows = std::llabs(h.height);
    if (h.width < 1 || h.width > kMaxBitmapSide || rows < 1 || rows > kMaxBitmapSide) return false;
    if (!KnownPixelFormat(h)) return false;

    const std::uint64_t pixelsAt = U32(file, 10);
    if (pixelsAt < kFileHeaderBytes + U32(file, kFileHeaderBytes) || pixelsAt > file.size()) return false;
    if (h.compression == kRle8 || h.compression == kRle4) {
        if (!RunLengthStreamComplete(file, pixelsAt, h.compression == kRle4, rows)) return false;
    } else {
        const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
        if (file.size() - pixelsAt < stride * static_cast<std::uint64_t>(rows)) return false;
    }
    if (size) *size = {static_cast<int>(h.width), static_cast<int>(rows)};
    return true;
}

}  // namespace kelvor::panel
