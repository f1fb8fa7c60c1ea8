// A unit table seen line by line and field by field, without copying: every
// text is a view into the table's bytes. Lines and fields are counted as the
// editor counts them: line numbers from 0 over every line, fields ending at
// a comma, a CR or the line's end.
#pragma once

#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "table/text_format.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kelvor::cli {

enum class LineEnd {
    CrLf,    // as the editor writes every line
    Lf,      // a bare LF
    CrCrLf,  // CR CR LF: a single-unit file's CR kept in the table
    None,    // the text's last line, without a line end
};

// "CR LF", "LF", "CR CR LF" or "none".
const char* LineEndName(LineEnd end);

struct TableLine {
    int number = 0;
    std::string_view text;  // without its line end
    LineEnd end = LineEnd::None;
};

// The line of text that starts at `from`; from moves past it and its line end.
TableLine NextLine(std::string_view text, std::size_t& from, int number);

// Calls visit(const TableLine&) for every line of the text, in order.
template <class Visitor>
void ForEachLine(std::string_view text, Visitor&& visit) {
    std::size_t from = 0;
    for (int number = 0; from < text.size() && number < INT_MAX; ++number) visit(NextLine(text, from, number));
}

// The editor's unit-line test: first field not empty, second exactly "○".
bool IsUnitLine(std::string_view line);

// A unit line's name, its field 0; empty for any other line.
inline std::string_view NameOfUnitLine(std::string_view line) {
    return IsUnitLine(line) ? line.substr(0, line.find(',')) : std::string_view();
}

// The line of unit `unitNumber` (line number unitNumber + 2, as box 1240
// counts). Gives false, with the reason in words, when the table has no
// such line or that line is no unit line.
bool FindUnitLine(std::string_view text, int unitNumber, TableLine& line, std::string& reason);

// The fields of a unit line, by comma, up to the first CR (or the line's end).
struct UnitFields {
    std::array<std::string_view, table::kFieldCount> field{};
    int count = 0;           // how many fields the line has (also beyond 194)
    bool strayCr = false;    // a CR inside the line ends its fields early
    // 194 fields, field 193 being the empty one after a final comma (which
    // the editor's field reading never reads).
    bool EmptyLast() const { return count == table::kFieldCount && field[table::kFieldCount - 1].empty(); }
    // Fields 0 to count-1 that the record holds (at most 194).
    int Held() const { return count < table::kFieldCount ? count : table::kFieldCount; }
};

void SplitFields(std::string_view line, UnitFields& out);

// Calls visit(field) for every text between commas of the line, whatever it
// holds (a CR too): joined with commas they give the line byte for byte.
// The commas of sixteen bytes at a time are found at once.
template <class Visitor>
void ForEachCommaField(std::string_view line, Visitor&& visit);

namespace detail {
// The commas among the 16 bytes at p, as bits (bit i: p[i]), where the
// processor compares them at once; empty where it cannot.
inline std::optional<unsigned> CommasOf16(const char* p) {
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(','))));
#else
    (void)p;
    return std::nullopt;
#endif
}
}  // namespace detail

template <class Visitor>
void ForEachCommaField(std::string_view line, Visitor&& visit) {
    const char* start = line.data();
    const char* p = start;
    const char* end = start + line.size();
    const auto fieldEndsAt = [&](const char* comma) {
        visit(std::string_view(start, static_cast<std::size_t>(comma - start)));
        start = comma + 1;
    };
    for (; end - p >= 16; p += 16) {
        const std::optional<unsigned> commas = detail::CommasOf16(p);
        if (!commas) break;
        for (unsigned mask = *commas; mask; mask &= mask - 1) fieldEndsAt(p + std::countr_zero(mask));
    }
    for (; p < end; ++p)
        if (*p == ',') fieldEndsAt(p);
    visit(std::string_view(start, static_cast<std::size_t>(end - start)));
}

// The unit number of a line number, as box 1240 and single-unit files name it.
inline int UnitNumberOfLine(int line) { return line - 2; }

}  // namespace kelvor::cli
