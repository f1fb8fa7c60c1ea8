// Reading the values of a unit line's fields as the check reads them many
// times a line: integers, marks and movement codes, and the first line each
// text was seen on. Text is code page 932, views into the table checked.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "table/text_format.h"

namespace kelvor::cli {

// The number the form shows for an integer field (ParseDecimal), and
// whether the field is written as "%d" writes it: no sign, no leading zero,
// no overflow.
struct Integer {
    int shown;
    bool plain;
};

// Digits as "%d" writes a number: no sign, no leading zero, no overflow.
bool IsPlainDecimal(std::string_view text);

// Up to eight digits, no leading zero, at the start of the eight bytes at
// `text`: whether they are digits, and if so their value, without a branch
// per byte.
inline std::optional<int> EightBytesOfDigits(const char* text, std::size_t length) {
    std::uint64_t bytes;
    std::memcpy(&bytes, text, 8);
    const std::uint64_t keep = length == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * length)) - 1;
    bytes &= keep;
    const std::uint64_t zeros = 0x3030303030303030ull & keep;
    // '0' to '9' are 0x30 to 0x39: the high half 3, also after adding 6.
    if ((bytes & 0xF0F0F0F0F0F0F0F0ull) != zeros ||
        ((bytes + 0x0606060606060606ull) & 0xF0F0F0F0F0F0F0F0ull & keep) != zeros)
        return std::nullopt;
    // Zeros in front to eight digits, then pairs, fours and eights of them
    // combined by multiplication.
    std::uint64_t v = (bytes << (8 * (8 - length))) & 0x0F0F0F0F0F0F0F0Full;
    v = v * 10 + (v >> 8);
    constexpr std::uint64_t kMask = 0x000000FF000000FFull;
    v = ((v & kMask) * (100 + (1000000ull << 32)) + ((v >> 16) & kMask) * (1 + (10000ull << 32))) >> 32;
    return static_cast<int>(v);
}

// The field `text`; up to `readableEnd` the bytes after it may be read too,
// which lets short numbers be read eight bytes at once.
inline Integer ReadInteger(std::string_view text, const char* readableEnd) {
    const std::size_t n = text.size();
    if (n == 1 && static_cast<unsigned>(text[0] - '0') <= 9) return {text[0] - '0', true};  // most often "0"
    if constexpr (std::endian::native == std::endian::little) {
        if (n >= 2 && n <= 8 && text[0] != '0' && readableEnd - text.data() >= 8)
            if (const std::optional<int> value = EightBytesOfDigits(text.data(), n)) return {*value, true};
    }
    return {table::ParseDecimal(text), IsPlainDecimal(text)};
}

// "○" or "×", the two marks of a flag.
inline bool IsMark(std::string_view text) {
    return text.size() == 2 && text[0] == '\x81' && (text[1] == '\x9b' || text[1] == '\x7e');
}

// The movement-class codes by the eight bits they spell, "1" a set bit.
class MovementCodes {
public:
    MovementCodes();
    bool Has(std::string_view text) const;

private:
    std::array<bool, 256> known_{};
};

// The first line each text was seen on: a table of views, open
// addressing, with no allocation per entry.
class FirstSeen {
public:
    // The line the text was seen on before; none when this is the first time.
    std::optional<int> Offer(std::string_view text, int line);

private:
    struct Slot {
        std::string_view text;
        int line = -1;  // -1: free
    };
    Slot& Find(std::string_view text);
    void Grow();
    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::size_t used_ = 0;
};

// One drop-down list's items as the form builds them: the first of the
// values that are equal with letter case ignored.
class ListItems {
public:
    // The earlier value this one is a case variant of, with its line; nullptr
    // when there is none. Values without letters have no case variant and
    // are not offered.
    const std::pair<std::string_view, int>* Offer(std::string_view value, int line);

private:
    FirstSeen exact_;
    std::unordered_map<std::string, std::pair<std::string_view, int>> folded_;
};

}  // namespace kelvor::cli
