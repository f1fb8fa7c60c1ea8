#include "cli/check_values.h"

#include <xxhash.h>

#include "table/cp932.h"
#include "table/text_format.h"

namespace kelvor::cli {

bool IsPlainDecimal(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text[0] == '0')) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return text == "0" || table::ParseDecimal(text) != 0;
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
    // The very same text is one item.
    if (exact_.Offer(value, line)) return nullptr;
    const auto [it, added] = folded_.emplace(table::FoldCase(value), std::make_pair(value, line));
    return added ? nullptr : &it->second;
}

}  // namespace kelvor::cli
