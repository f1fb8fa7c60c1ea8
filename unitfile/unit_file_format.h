// The single-unit file: one line of the unit's line number in its table, a
// comma and the unit line, with nothing after it. Composing, reading and the
// checks an import makes before it changes anything. Plain code, no Qt: the
// window and command-line tools share it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "table/document.h"
#include "table/text_format.h"

namespace kelvor::unitfile {

// The name the export offers: "unit%04d.kmv" of the unit number (the line
// number minus 2), so at least four digits and wider numbers in full.
std::string UnitFileName(int unitNumber);

// The file's text: lineNumber in "%d", a comma, and the unit's 194 fields
// as its line stores them (a movement code no class has included), with no
// line end. Gives 0 and leaves text unchanged when a field holds a comma,
// CR or LF (it would not stay one field).
int ComposeUnitFile(int lineNumber, const table::UnitRecord& stored, std::string& text);

// The line an import uses: the bytes up to the first LF (all of them when
// there is none), without that LF and without one CR just before it. Takes
// the whole file or its first line as read.
std::string_view UnitFileLine(std::string_view bytes);

// What is wrong with a single-unit file for a given table, in the order the
// checks are made; the first failing check is reported.
enum class ImportProblem {
    None,
    // The file itself.
    NoComma,          // the line holds no comma (an empty file among them)
    BadLineNumber,    // the text before the comma is not plain ASCII digits
    StrayLineBreak,   // the unit line holds a CR or LF (a field would end there)
    HoldsNul,         // the unit line holds a NUL byte
    NotCodePage932,   // the unit line holds bytes that are no code page 932 character
    WrongFieldCount,  // the unit line has other than 194 fields
    EmptyName,        // its first field is empty
    NoUnitMarker,     // its second field is not "○"
    EmptyLastField,   // its field 193 is empty (the line ends in a comma)
    // The file against the table.
    NoSuchLine,       // the line number names no line of the table
    NotAUnitLine,     // the table's line there is no unit line (a heading, a blank line)
};

struct ImportCheck {
    ImportProblem problem = ImportProblem::None;
    // The line number the file names; -1 when it has none or it does not
    // fit an int (then no table has that line).
    int lineNumber = -1;
    int fieldCount = 0;   // the unit line's fields, split at every comma
    int tableLines = 0;   // set for NoSuchLine: the lines the table has
    std::string_view unitLine;  // the text after the first comma (a view into the line)

    bool ok() const { return problem == ImportProblem::None; }
};

// Checks the line of a single-unit file (as UnitFileLine gives it) against
// the table it would go into. When it passes, unitLine can replace line
// lineNumber of the table: that line is a unit line before and after, the
// new line parses into a whole record, and the table keeps its line count.
ImportCheck CheckUnitFile(std::string_view line, const table::DocumentText& table);

// The number of lines of a text, as line numbers count them.
int CountLines(std::string_view text);

}  // namespace kelvor::unitfile
