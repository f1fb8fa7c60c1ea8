// Code page 932 text helpers: character boundaries, the case-ignoring
// comparison of the drop-down lists, and substring search that matches only
// on character boundaries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvor::table {

// The first byte of a double-byte character.
inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
// A byte that may follow a lead byte as the second of its character.
inline bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Whole texts equal with letter case ignored. Letters are ASCII A-Z and the
// full-width Latin, Greek and Cyrillic letters; the second byte of a
// double-byte character is never folded on its own.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The text with every letter folded to its small form, as EqualsIgnoreCase
// compares: EqualsIgnoreCase(a, b) exactly when FoldCase(a) == FoldCase(b).
std::string FoldCase(std::string_view text);

// Whether the text has no letter that FoldCase changes or gives: such a
// text equals, with letter case ignored, only itself.
bool IsCaseless(std::string_view text);

// The first position where needle occurs byte for byte in haystack starting
// on a character boundary of haystack; npos when it does not. An empty
// needle is found at 0.
std::size_t FindAtCharBoundary(std::string_view haystack, std::string_view needle);

}  // namespace kelvor::table
