// The demo unit table: code page 932 text with CR LF line ends, two heading
// lines and a blank line, then unit lines of 194 fields made up from the
// demo catalogue. Every value comes from a fixed seed, so the same bytes come
// out of every run.
#pragma once

#include <cstddef>
#include <string>

namespace kelvor::demo {

// Unit lines in the game table; unit number n (1 to kGameUnitCount) is on
// line n + 2.
inline constexpr int kGameUnitCount = 150;

// Units of the game table with something special about them, by unit number.
inline constexpr int kUnitTrailByte5C = 5;     // "ソ連戦車": ソ is 0x83 0x5C
inline constexpr int kUnitTrailByte5C2 = 6;    // "表示試験機": 表 is 0x95 0x5C
inline constexpr int kUnitTrailByte7E = 7;     // "ミサイル艇": ミ is 0x83 0x7E
inline constexpr int kUnitSameNameA = 12;      // both named "歩兵"
inline constexpr int kUnitSameNameB = 97;
inline constexpr int kUnitExtraAir = 20;       // field 31 "Air"
inline constexpr int kUnitExtraAIR = 21;       // field 31 "AIR"
inline constexpr int kUnitTransforms = 30;     // field 50 names kUnitTransformTarget
inline constexpr int kUnitTransformTarget = 31;
inline constexpr int kUnitMissileRef = 40;     // field 51 names kUnitMissileTarget
inline constexpr int kUnitMissileTarget = 41;
inline constexpr int kUnitMissingPicture = 50; // picture 999, no such file
inline constexpr int kUnitOddMovement = 60;    // field 27 "00000011", no movement class
inline constexpr int kUnitAllMaximum = 70;     // every ranged integer at its maximum (50 and 51: 999, no such unit)
inline constexpr int kUnitAllMinimum = 71;     // every ranged integer at its minimum

inline constexpr int kMissingPictureNumber = 999;

// The two heading lines and the blank line, CR LF each.
std::string DemoHeadingLines();

// The whole weapon.dat of the demo game folder.
std::string DemoGameTable();

// Heading lines, then generated unit lines (a different sequence from the
// game table's) until the text holds at least `bytes` bytes. Whole lines
// only; every line ends with CR LF.
std::string DemoLargeTable(std::size_t bytes);

// One generated unit line of 194 fields, without line end: the unit that
// the large table holds as unit number `unitNumber`.
std::string DemoUnitLine(int unitNumber);

}  // namespace kelvor::demo
