// The text format of the unit table: lines, fields, the unit-line test, the
// unit record, decimal fields and the movement-class codes.
//
// Text is code page 932 bytes, scanned and never decoded: the second byte of
// a double-byte character is always 0x40 or higher, so LF, CR and comma only
// ever stand for themselves. A line ends at LF; a field ends at a comma, CR
// or LF, so tables whose lines end in CR LF and tables whose lines end in LF
// alone read the same. The end of the text ends the field and the line:
// nothing here ever reads past it.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kelvor::table {

inline constexpr int kFieldCount = 194;
using UnitRecord = std::array<std::string, kFieldCount>;

// A position in a text; pos lies in [start of the text, end].
struct Cursor {
    const char* pos;
    const char* end;  // one past the last byte of the text
};

inline constexpr char kMarkSet[] = "\x81\x9b";    // ○ (a set flag, and the unit-line marker)
inline constexpr char kMarkClear[] = "\x81\x7e";  // × (a clear flag)

// Reads the field at the cursor into out and moves past its comma (or onto
// the CR or LF that ends it). Gives 0, changing nothing, when the cursor
// stands on a CR, an LF or at the end of the text.
int ReadField(Cursor& c, std::string& out);

// Passes count fields. Gives 0 and leaves the cursor where it was when the
// line (or the text) ends first; a count of 0 or less succeeds at once.
int SkipFields(Cursor& c, int count);

// Moves to the byte after the next LF, or to the end of the text. Gives 1.
int SkipLine(Cursor& c);

// A unit line: first field non-empty and second field exactly "○".
int IsUnitLine(Cursor c);

// Reads fields 0 to 193 of the unit line at the cursor into rec and turns
// the movement-class codes (25 to 30) into their names. Gives 0 when the
// line is no unit line (rec untouched) or has fewer than 194 fields (the
// fields read so far are in rec, the rest keep their old values).
int ParseUnitLine(Cursor c, UnitRecord& rec);

// Joins the record into a line of 194 fields without line end, turning the
// movement-class names back into codes. Gives 0 and leaves line unchanged
// when an entry holds a comma, CR or LF (it would not stay one field).
int ComposeUnitLine(const UnitRecord& rec, std::string& line);

// Joins the 194 fields as they are into a line without line end; gives 0
// and leaves line unchanged when one holds a comma, CR or LF.
int JoinUnitFields(const UnitRecord& fields, std::string& line);

// Plain ASCII digits to a number; anything else, or a value that does not
// fit a signed 32-bit integer, gives 0.
int ParseDecimal(std::string_view s);

struct MovementClass {
    const char* code;  // eight digits 0 and 1
    const char* name;  // code page 932
};
// The nine movement classes, in the order look-ups compare them.
std::span<const MovementClass> MovementClasses();

// The name of a code, "error" when no class has it.
std::string MovementClassName(std::string_view code);
// The code of a name, "00000000" when no class has it.
std::string MovementClassCode(std::string_view name);

// The fields that hold movement-class codes.
inline constexpr int kFirstMovementField = 25;
inline constexpr int kLastMovementField = 30;

}  // namespace kelvor::table
