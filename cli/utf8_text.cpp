#include "cli/utf8_text.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>

#include "table/cp932.h"
#include "table/cp932_codec.h"

namespace kelvor::cli {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;

// The UTF-8 of every character met so far: its bytes in the low three
// bytes, their count in the high one; 0 for a character not yet decoded.
// A character's entry is written once with the value any reader would
// compute, so readers on other threads see it or decode it again.
class Characters {
public:
    std::uint32_t Of(const unsigned char* character, std::size_t length) {
        const std::size_t key =
            length == 1 ? character[0] : 256 + (static_cast<std::size_t>(character[0] - 0x80) << 8) + character[1];
        std::atomic<std::uint32_t>& entry = entries_[key];
        std::uint32_t packed = entry.load(std::memory_order_relaxed);
        if (packed == 0) {
            const std::string utf8 =
                table::Utf8FromCp932(std::string_view(reinterpret_cast<const char*>(character), length));
            packed = static_cast<std::uint32_t>(utf8.size()) << 24;
            for (std::size_t i = 0; i < utf8.size() && i < 3; ++i)
                packed |= static_cast<std::uint32_t>(static_cast<unsigned char>(utf8[i])) << (8 * i);
            entry.store(packed, std::memory_order_relaxed);
        }
        return packed;
    }

private:
    // Single bytes, then two-byte characters by lead byte (0x81 to 0xFC) and trail byte.
    std::array<std::atomic<std::uint32_t>, 256 + 0x80 * 256> entries_{};
};

Characters& Decoded() {
    static Characters characters;
    return characters;
}

}  // namespace

char* WriteUtf8(std::string_view cp932, char* out) {
    const auto* p = reinterpret_cast<const unsigned char*>(cp932.data());
    const auto* end = p + cp932.size();
    while (p < end) {
        if (*p < 0x80) {
            *out++ = static_cast<char>(*p++);
            continue;
        }
        const std::size_t length = table::IsLeadByte(*p) && p + 1 < end && table::IsTrailByte(p[1]) ? 2 : 1;
        const std::uint32_t packed = Decoded().Of(p, length);
        out[0] = static_cast<char>(packed & 0xFF);
        out[1] = static_cast<char>((packed >> 8) & 0xFF);
        out[2] = static_cast<char>((packed >> 16) & 0xFF);
        out += packed >> 24;
        p += length;
    }
    return out;
}

ReportWriter::ReportWriter(std::ostream& out) : out_(out), block_(kBlock) {}

char* ReportWriter::Room(std::size_t bytes) {
    if (block_.size() - used_ < bytes) {
        Flush();
        if (block_.size() < bytes) block_.resize(bytes);
    }
    return block_.data() + used_;
}

void ReportWriter::Text(std::string_view utf8) {
    char* at = Room(utf8.size());
    if (!utf8.empty()) std::memcpy(at, utf8.data(), utf8.size());
    Advance(at + utf8.size());
}

void ReportWriter::Table(std::string_view cp932) { Advance(WriteUtf8(cp932, Room(Utf8Room(cp932.size())))); }

void ReportWriter::Flush() {
    if (used_) out_.write(block_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

}  // namespace kelvor::cli
