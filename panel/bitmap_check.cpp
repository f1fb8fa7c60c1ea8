// The headers of a bitmap file read and checked, and the one reading of a
// file that both the check and the decoding are.
#include "panel/bitmap_check.h"

#include <bit>
#include <cstdlib>

#include "panel/bitmap_decode.h"
#include "panel/bitmap_layout.h"

namespace kelvor::panel {

namespace {

using bmp::Layout;
using bmp::U16;
using bmp::U32;

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kLargestInfoHeaderBytes = 124;
// Colour masks follow a 40-byte header and lie inside the longer ones, at
// the same place either way.
constexpr std::size_t kMasksAt = kFileHeaderBytes + kInfoHeaderBytes;

using Fault = BitmapFault;

BitmapProblem Problem(Fault fault, std::int64_t a = 0, std::int64_t b = 0, std::int64_t c = 0) { return {fault, {a, b, c}}; }

bool IsRunLength(const Layout& l) { return l.compression == bmp::kRle8 || l.compression == bmp::kRle4; }

BitmapProblem FormatProblem(const Layout& l, bool core) {
    const unsigned bits = l.bitCount;
    switch (l.compression) {
    case bmp::kRgb:
        if (bits == 1 || bits == 4 || bits == 8 || bits == 24 || (!core && (bits == 16 || bits == 32))) return {};
        return Problem(core ? Fault::BitsInCoreHeader : Fault::Bits, bits);
    case bmp::kBitFields:
        if (bits == 16 || bits == 32) return {};
        return Problem(Fault::MasksAtBits, bits);
    case bmp::kRle8:
    case bmp::kRle4: {
        const unsigned coded = l.compression == bmp::kRle8 ? 8 : 4;
        if (bits != coded) return Problem(Fault::RunLengthBits, coded, bits);
        if (l.topDown) return Problem(Fault::RunLengthTopDown);
        return {};
    }
    default: return Problem(Fault::Compression, l.compression);
    }
}

// The colour masks of 16- and 32-bit pixels: from the file, or 5 bits a
// colour at 16 bits and 8 at 32 for uncompressed pixels.
BitmapProblem ReadChannels(std::string_view file, Layout& l) {
    std::array<std::uint32_t, 3> masks = {0xFF0000, 0xFF00, 0xFF};
    if (l.compression == bmp::kBitFields) {
        if (file.size() < kMasksAt + 12) return Problem(Fault::MasksCutOff);
        masks = {U32(file, kMasksAt), U32(file, kMasksAt + 4), U32(file, kMasksAt + 8)};
    } else if (l.bitCount == 16) {
        masks = {0x7C00, 0x03E0, 0x001F};
    }
    std::uint32_t taken = 0;
    for (std::size_t i = 0; i < masks.size(); ++i) {
        const std::uint32_t mask = masks[i];
        const unsigned shift = mask ? static_cast<unsigned>(std::countr_zero(mask)) : 0;
        const std::uint64_t run = mask >> shift;
        const auto colour = static_cast<std::int64_t>(i);
        if ((run & (run + 1)) != 0) return Problem(Fault::MaskNotOneRun, colour, mask);
        if (l.bitCount == 16 && mask > 0xFFFF) return Problem(Fault::MaskPast16Bits, colour, mask);
        if (taken & mask) return Problem(Fault::MaskShared, colour, mask);
        taken |= mask;
        l.channels[i] = {shift, static_cast<std::uint32_t>(run)};
    }
    return {};
}

// The palette of 1-, 4- and 8-bit pictures: as many colours as the header
// says (all the pixel's bits can name when it says 0 or more).
BitmapProblem ReadPalette(std::string_view file, std::uint32_t headerBytes, Layout& l) {
    const bool core = headerBytes == kCoreHeaderBytes;
    const std::size_t entryBytes = core ? 3 : 4;
    const std::uint32_t most = 1u << l.bitCount;
    std::uint32_t colours = core ? most : U32(file, 46);
    if (colours == 0 || colours > most) colours = most;
    const std::size_t at = kFileHeaderBytes + headerBytes;
    if ((file.size() - at) / entryBytes < colours) return Problem(Fault::PaletteCutOff, colours);
    l.palette.fill(bmp::Opaque(0, 0, 0));
    for (std::size_t i = 0; i < colours; ++i) {
        const std::size_t entry = at + i * entryBytes;
        l.palette[i] = bmp::Opaque(static_cast<unsigned char>(file[entry + 2]),
                                   static_cast<unsigned char>(file[entry + 1]), static_cast<unsigned char>(file[entry]));
    }
    return {};
}

// Everything but a run-length stream: the problem, or "" with `l` filled in.
BitmapProblem ReadLayout(std::string_view file, Layout& l) {
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return Problem(Fault::NotBitmap);
    if (file.size() < kFileHeaderBytes + 4) return Problem(Fault::CutInHeaders);
    const std::uint32_t headerBytes = U32(file, kFileHeaderBytes);
    const bool core = headerBytes == kCoreHeaderBytes;
    if (!core && (headerBytes < kInfoHeaderBytes || headerBytes > kLargestInfoHeaderBytes))
        return Problem(Fault::HeaderKind, headerBytes);
    if (file.size() - kFileHeaderBytes < headerBytes) return Problem(Fault::CutInHeaders);

    std::int64_t width = 0, height = 0;
    if (core) {
        width = U16(file, 18);
        height = U16(file, 20);
        l.bitCount = U16(file, 24);
    } else {
        width = static_cast<std::int32_t>(U32(file, 18));
        height = static_cast<std::int32_t>(U32(file, 22));
        l.bitCount = U16(file, 28);
        l.compression = U32(file, 30);
    }
    l.topDown = height < 0;
    const std::int64_t rows = std::llabs(height);
    if (width < 1 || width > kMaxBitmapSide || rows < 1 || rows > kMaxBitmapSide)
        return Problem(Fault::Size, width, rows, kMaxBitmapSide);
    l.width = static_cast<int>(width);
    l.height = static_cast<int>(rows);

    BitmapProblem problem = FormatProblem(l, core);
    if (problem.fault == Fault::None && l.bitCount >= 16 && l.bitCount != 24) problem = ReadChannels(file, l);
    if (problem.fault == Fault::None && l.bitCount <= 8) problem = ReadPalette(file, headerBytes, l);
    if (problem.fault != Fault::None) return problem;

    std::uint64_t headersEnd = kFileHeaderBytes + headerBytes;
    if (l.compression == bmp::kBitFields && headersEnd < kMasksAt + 12) headersEnd = kMasksAt + 12;
    l.pixelsAt = U32(file, 10);
    if (l.pixelsAt < headersEnd) return Problem(Fault::PixelsInHeaders, l.pixelsAt);
    if (l.pixelsAt > file.size()) return Problem(Fault::PixelsPastEnd, l.pixelsAt, static_cast<std::int64_t>(file.size()));
    if (!IsRunLength(l)) {
        const std::uint64_t stride = (static_cast<std::uint64_t>(l.width) * l.bitCount + 31) / 32 * 4;
        const std::uint64_t needed = stride * static_cast<std::uint64_t>(l.height);
        if (file.size() - l.pixelsAt < needed)
            return Problem(Fault::PixelsCutOff, static_cast<std::int64_t>(file.size() - l.pixelsAt), l.height,
                           static_cast<std::int64_t>(needed));
    }
    return {};
}

// The check, and with `picture` the decoding too: one reading of the file,
// so that the two never disagree.
BitmapCheck Read(std::string_view file, Bitmap* picture) {
    Layout layout;
    BitmapCheck check{ReadLayout(file, layout), {}};
    if (!check.ok()) return check;
    Bitmap decoded;
    if (picture) {
        decoded = {layout.width, layout.height,
                   std::vector<std::uint32_t>(static_cast<std::size_t>(layout.width) * layout.height, kPanelBackground)};
    }
    if (IsRunLength(layout)) check.problem = bmp::WalkRunLength(file, layout, picture ? &decoded : nullptr);
    else if (picture) bmp::DecodeRows(file, layout, decoded);
    if (!check.ok()) return check;
    check.size = {layout.width, layout.height};
    if (picture) *picture = std::move(decoded);
    return check;
}

}  // namespace

BitmapCheck CheckBitmapFile(std::string_view file) { return Read(file, nullptr); }

BitmapCheck DecodeBitmapFile(std::string_view file, Bitmap& picture) {
    picture = {};
    return Read(file, &picture);
}

}  // namespace kelvor::panel
