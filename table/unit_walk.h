// The walk over every unit line that the unit list and the table-value lists
// are built from.
#pragma once

#include <array>
#include <climits>
#include <string>

#include "table/document.h"
#include "table/text_format.h"

namespace kelvor::table {

// What one unit line offers to the lists. Only values actually read from
// the line are counted: a line that ends early offers fewer.
struct UnitLineValues {
    int lineNumber = 0;
    std::string name;                      // field 0
    std::array<std::string, 6> tableValues; // fields 3, 4, 5, 6, 31, 32
    int tableValueCount = 0;
    std::array<std::string, 5> weaponTypes; // fields 64, 84, 104, 124, 144
    int weaponTypeCount = 0;
};

// Reads the values of the unit line at c (which passed IsUnitLine) in the
// order the fields stand in the line.
void ReadUnitLineValues(Cursor c, UnitLineValues& values);

// Calls visit(const UnitLineValues&) for every unit line, in file order.
// One UnitLineValues is reused for all lines.
template <class Visitor>
void WalkUnitLines(const DocumentText& text, Visitor&& visit) {
    UnitLineValues values;
    Cursor c = text.Begin();
    // Line numbers are ints; a text of more lines than that names no further units.
    for (int line = 0; c.pos < c.end && line < INT_MAX; ++line) {
        if (IsUnitLine(c)) {
            values.lineNumber = line;
            ReadUnitLineValues(c, values);
            visit(static_cast<const UnitLineValues&>(values));
        }
        SkipLine(c);
    }
}

}  // namespace kelvor::table
