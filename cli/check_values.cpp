#include "cli/check_values.h"

#include <xxhash.h>

#include <bit>
#include <cstdint>
#include <cstring>

#include "table/cp932.h"
#include "table/text_format.h"

namespace kelvor::cli {

namespace {

// Digits as "%d" writes a number: no sign, no leading zero, no overflow.
bool IsPlainDecimal(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text[0] == '0')) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return text == "0" || table::ParseDecimal(text) != 0;
}

// Up to eight digits, no leading zero: the eight bytes at text.data() hold
// them and then other bytes. Tells whether they are digits, and if so
// their value, without a branch per byte.
std::optional<int> EightBytesOfDigits(const char* text, std::size_t length) {
    std::uint64_t bytes;
    std::memcpy(&bytes, text, 8);
    const std::uint64_t keep = length == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * length)) - 1;
    bytes &= keep;
    const std::uint64_t zeros = 0x3030303030303030ull & keep;
    // '0' to '9' are 0x30 to 0x39: the high half 3, also after adding 6.
    if ((bytes & 0xF0F0F0F0F0F0F0F0ull) != zeros || ((bytes + 0x0606060606060606ull) & 0xF0F0F0F0F0F0F0F0ull & keep) != zeros)
        return std::nullopt;
    // Zeros in front to eight digits, then pairs, fours and eights of them
    // combined by multiplication.
    std::uint64_t v = (bytes << (8 * (8 - length))) & 0x0F0F0F0F0F0F0F0Full;
    v = v * 10 + (v >> 8);
    constexpr std::uint64_t kMask = 0x000000FF000000FFull;
    v = ((v & kMask) * (100 + (1000000ull << 32)) + ((v >> 16) & kMask) * (1 + (10000ull << 32))) >> 32;
    return static_cast<int>(v);
}

}  // namespace

Integer ReadInteger(std::string_view text, const char* readableEnd) {
    const std::size_t n = text.size();
    if constexpr (std::endian::native == std::endian::little) {
        if (n >= 1 && n <= 8 && (text[0] != '0' || n == 1) && readableEnd - text.data() >= 8)
            if (const std::optional<int> value = EightBytesOfDigits(text.data(), n)) return {*value, true};
    }
    return {table::ParseDecimal(text), IsPlainDecimal(text)};
}

namespace {

int CodeBits(std::string_view text) {
    if (text.size() != 8) return -1;
    int bits = 0;
    for (char c : text) {
        if (c != '0' && c != '1') return -1;
        bits = bits * 2 + (c - '0');
    }
    return bits;
}

}  // namespace

MovementCodes::MovementCodes() {
    for (const table::MovementClass& mc : table::MovementClasses()) known_[static_cast<std::size_t>(CodeBits(mc.code))] = true;
}

bool MovementCodes::Has(std::string_view text) const {
    const int bits = CodeBits(text);
    return bits >= 0 && known_[static_cast<std::size_t>(bits)];
}

std::optional<int> FirstSeen::Offer(std::string_view text, int line) {
    if (2 * (used_ + 1) > slots_.size()) Grow();
    Slot& slot = Find(text);
    if (slot.line >= 0) return slot.line;
    slot = {text, line};
    ++used_;
    return std::nullopt;
}

FirstSeen::Slot& FirstSeen::Find(std::string_view text) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t s = XXH3_64bits(text.data(), text.size()) & mask;; s = (s + 1) & mask)
        if (slots_[s].line < 0 || slots_[s].text == text) return slots_[s];
}

void FirstSeen::Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.line >= 0) Find(slot.text) = slot;
}

const std::pair<std::string_view, int>* ListItems::Offer(std::string_view value, int line) {
    if (exact_.Offer(value, line)) return nullptr;  // the very same text: one item
    const auto [it, added] = folded_.emplace(table::FoldCase(value), std::make_pair(value, line));
    return added ? nullptr : &it->second;
}

}  // namespace kelvor::cli
