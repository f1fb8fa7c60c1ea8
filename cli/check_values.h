// Reading the values of a unit line's fields as the check reads them many
// times a line: integers, marks and movement codes, and the first line each
// text was seen on. Text is code page 932, views into the table checked.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kelvor::cli {

// The number the form shows for an integer field (ParseDecimal), and
// whether the field is written as "%d" writes it: no sign, no leading zero,
// no overflow.
struct Integer {
    int shown;
    bool plain;
};

// The field `text`; up to `readableEnd` the bytes after it may be read too,
// which lets short numbers be read eight bytes at once.
Integer ReadInteger(std::string_view text, const char* readableEnd);

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
    // The earlier value this one is a case variant of, with its line; nullptr when there is none.
    const std::pair<std::string_view, int>* Offer(std::string_view value, int line);

private:
    FirstSeen exact_;
    std::unordered_map<std::string, std::pair<std::string_view, int>> folded_;
};

}  // namespace kelvor::cli
