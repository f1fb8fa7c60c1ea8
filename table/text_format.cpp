#include "table/text_format.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace kelvor::table {

namespace {

// A field ends at a comma, at CR and at LF: a line that ends in LF alone
// (as a conversion by another editor leaves it) ends its last field there
// instead of running into the next line.
bool EndsLineFields(char ch) { return ch == '\r' || ch == '\n'; }

// Where the field starting at p ends: the next comma, CR or LF, or the end.
const char* FieldEnd(const char* p, const char* end) {
    while (p < end && *p != ',' && !EndsLineFields(*p)) ++p;
    return p;
}

constexpr MovementClass kMovementClasses[] = {
    {"00000000", "\x82\xc8\x82\xb5"},                  // なし
    {"11100000", "\x8a\xcd\x8d\xda\x8b\x40"},          // 艦載機
    {"01100000", "VTOL"},                              // VTOL
    {"00100000", "\x83\x77\x83\x8a"},                  // ヘリ
    {"00011110", "\x8f\x64\x8e\xd4\x97\xbc"},          // 重車両
    {"00001110", "\x8e\xd4\x97\xbc"},                  // 車両
    {"00000110", "\x8c\x79\x8e\xd4\x97\xbc"},          // 軽車両
    {"00000010", "\x95\xe0\x95\xba"},                  // 歩兵
    {"00000001", "\x83\x7a\x83\x6f\x81\x5b"},          // ホバー
};

}  // namespace

int ReadField(Cursor& c, std::string& out) {
    if (c.pos >= c.end || EndsLineFields(*c.pos)) return 0;
    const char* stop = FieldEnd(c.pos, c.end);
    out.assign(c.pos, stop);
    c.pos = (stop < c.end && *stop == ',') ? stop + 1 : stop;
    return 1;
}

namespace {

// Eight bytes at a time: a mask with the high bit set in each byte of w
// that equals `byte`, and none elsewhere.
std::uint64_t BytesEqual(std::uint64_t w, unsigned char byte) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = w ^ (kOnes * byte);
    return ~(((x & kLow7) + kLow7) | x) & ~kLow7;
}

int CountBits(std::uint64_t mask) {
    int n = 0;
    for (; mask; mask &= mask - 1) ++n;
    return n;
}

}  // namespace

int SkipFields(Cursor& c, int count) {
    const char* p = c.pos;
    if (count <= 0) return 1;
    if (p >= c.end || EndsLineFields(*p)) return 0;
    // Whole words that hold no line end and fewer commas than fields left
    // end exactly that many fields: each comma ends one.
    int left = count;
    while (c.end - p >= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, sizeof w);
        if (BytesEqual(w, '\r') | BytesEqual(w, '\n')) break;
        const int commas = CountBits(BytesEqual(w, ','));
        if (commas >= left) break;
        left -= commas;
        p += 8;
    }
    // The field the words stopped inside, then the rest byte by byte.
    if (p != c.pos && p[-1] != ',') {
        p = FieldEnd(p, c.end);
        if (p < c.end && *p == ',') ++p;
        --left;
    }
    for (int i = 0; i < left; ++i) {
        if (p >= c.end || EndsLineFields(*p)) return 0;
        p = FieldEnd(p, c.end);
        if (p < c.end && *p == ',') ++p;
    }
    c.pos = p;
    return 1;
}

int SkipLine(Cursor& c) {
    if (c.pos >= c.end) return 1;
    const void* lf = std::memchr(c.pos, '\n', static_cast<std::size_t>(c.end - c.pos));
    c.pos = lf ? static_cast<const char*>(lf) + 1 : c.end;
    return 1;
}

int IsUnitLine(Cursor c) {
    // The two reads of the test, done in place: the walk over a whole table
    // asks this of every line.
    const char* firstEnd = FieldEnd(c.pos, c.end);
    if (firstEnd == c.pos || firstEnd == c.end || *firstEnd != ',') return 0;
    const char* second = firstEnd + 1;
    const std::string_view mark(second, static_cast<std::size_t>(FieldEnd(second, c.end) - second));
    return mark == kMarkSet ? 1 : 0;
}

int ParseUnitLine(Cursor c, UnitRecord& rec) {
    if (!IsUnitLine(c)) return 0;
    for (int i = 0; i < kFieldCount; ++i)
        if (!ReadField(c, rec[static_cast<std::size_t>(i)])) return 0;
    for (int i = kFirstMovementField; i <= kLastMovementField; ++i) {
        std::string& entry = rec[static_cast<std::size_t>(i)];
        entry = MovementClassName(entry);
    }
    return 1;
}

int JoinUnitFields(const UnitRecord& fields, std::string& line) {
    std::size_t length = 0;
    for (const std::string& entry : fields) {
        if (entry.find_first_of(",\r\n") != std::string::npos) return 0;
        length += entry.size() + 1;
    }
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += fields[i];
    }
    line = std::move(out);
    return 1;
}

int ComposeUnitLine(const UnitRecord& rec, std::string& line) {
    for (const std::string& entry : rec)
        if (entry.find_first_of(",\r\n") != std::string::npos) return 0;
    UnitRecord coded = rec;
    for (int i = kFirstMovementField; i <= kLastMovementField; ++i)
        coded[static_cast<std::size_t>(i)] = MovementClassCode(rec[static_cast<std::size_t>(i)]);
    return JoinUnitFields(coded, line);
}

int ParseDecimal(std::string_view s) {
    std::int64_t value = 0;
    for (char ch : s) {
        if (ch < '0' || ch > '9') return 0;
        value = value * 10 + (ch - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return static_cast<int>(value);
}

std::span<const MovementClass> MovementClasses() { return kMovementClasses; }

std::string MovementClassName(std::string_view code) {
    for (const MovementClass& mc : kMovementClasses)
        if (code == mc.code) return mc.name;
    return "error";
}

std::string MovementClassCode(std::string_view name) {
    for (const MovementClass& mc : kMovementClasses)
        if (name == mc.name) return mc.code;
    return "00000000";
}

}  // namespace kelvor::table
