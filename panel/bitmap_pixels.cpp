// A bitmap file's pixel data: uncompressed rows, and run-length streams.
#include <algorithm>

#include "panel/bitmap_decode.h"
#include "panel/bitmap_layout.h"

namespace kelvor::panel::bmp {

namespace {

// A channel's bits scaled to 0 to 255, rounded: 5 bits of 31 give 255, 10
// bits of 512 give 128.
std::uint32_t Scaled(std::uint32_t pixel, const Channel& c) {
    if (c.max == 0) return 0;
    const std::uint64_t value = (pixel >> c.shift) & c.max;
    return static_cast<std::uint32_t>((value * 255 + c.max / 2) / c.max);
}

std::uint32_t Masked(std::uint32_t pixel, const Layout& l) {
    return Opaque(Scaled(pixel, l.channels[0]), Scaled(pixel, l.channels[1]), Scaled(pixel, l.channels[2]));
}

std::uint32_t Pixel(const unsigned char* row, std::size_t x, const Layout& l) {
    switch (l.bitCount) {
    case 1: return l.palette[row[x / 8] >> (7 - x % 8) & 1];
    case 4: return l.palette[row[x / 2] >> (x % 2 ? 0 : 4) & 15];
    case 8: return l.palette[row[x]];
    case 16: return Masked(row[2 * x] | row[2 * x + 1] << 8, l);
    case 24: return Opaque(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default: {
        const unsigned char* p = row + 4 * x;
        return Masked(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24, l);
    }
    }
}

// Pixel i of a run or literal: at 4 bits, the high half of a byte first.
unsigned Index(unsigned byte, std::uint64_t i, bool fourBits) {
    if (!fourBits) return byte;
    return i % 2 ? byte & 15 : byte >> 4;
}

}  // namespace

void DecodeRows(std::string_view file, const Layout& l, Bitmap& picture) {
    const std::size_t width = static_cast<std::size_t>(l.width);
    const std::size_t stride = (width * l.bitCount + 31) / 32 * 4;
    const auto* data = reinterpret_cast<const unsigned char*>(file.data()) + l.pixelsAt;
    for (int r = 0; r < l.height; ++r) {
        const unsigned char* row = data + static_cast<std::size_t>(r) * stride;
        std::uint32_t* out = &picture.pixels[static_cast<std::size_t>(l.topDown ? r : l.height - 1 - r) * width];
        for (std::size_t x = 0; x < width; ++x) out[x] = Pixel(row, x, l);
    }
}

BitmapProblem WalkRunLength(std::string_view file, const Layout& l, Bitmap* picture) {
    const bool fourBits = l.compression == kRle4;
    auto byte = [&file](std::size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(file[at])); };
    std::size_t at = l.pixelsAt;
    std::uint64_t x = 0, y = 0;  // y counts rows from the bottom one up
    // Sets `count` pixels from (x, y) on, as far as the picture reaches, to
    // the palette's colours index(0), index(1), ...; moves x past them all.
    auto put = [&](unsigned count, auto index) {
        if (picture && y < static_cast<std::uint64_t>(l.height) && x < static_cast<std::uint64_t>(l.width)) {
            std::uint32_t* row = &picture->pixels[(l.height - 1 - y) * static_cast<std::size_t>(l.width)];
            const std::uint64_t end = std::min<std::uint64_t>(x + count, static_cast<std::uint64_t>(l.width));
            for (std::uint64_t px = x; px < end; ++px) row[px] = l.palette[index(px - x)];
        }
        x += count;
    };
    auto cutOff = [](std::size_t code) {
        return BitmapProblem{BitmapFault::RunLengthCodeCutOff, {static_cast<std::int64_t>(code), 0, 0}};
    };

    while (file.size() - at >= 2) {
        const std::size_t code = at;
        const unsigned count = byte(at), value = byte(at + 1);
        at += 2;
        if (count > 0) {  // a run of one value (of two alternating ones at 4 bits)
            put(count, [&](std::uint64_t i) { return Index(value, i, fourBits); });
        } else if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            return {};
        } else if (value == 2) {  // move right and up
            if (file.size() - at < 2) return cutOff(code);
            x += byte(at);
            y += byte(at + 1);
            at += 2;
        } else {  // `value` literal pixels, padded to a whole number of 16-bit words
            std::size_t bytes = fourBits ? (value + 1) / 2 : value;
            bytes += bytes % 2;
            if (file.size() - at < bytes) return cutOff(code);
            const std::size_t first = at;
            put(value, [&](std::uint64_t i) { return Index(byte(first + (fourBits ? i / 2 : i)), i, fourBits); });
            at += bytes;
        }
    }
    if (at != file.size()) return cutOff(at);
    if (y < static_cast<std::uint64_t>(l.height))
        return {BitmapFault::RunLengthStops, {static_cast<std::int64_t>(y + 1), l.height, 0}};
    return {};
}

}  // namespace kelvor::panel::bmp
