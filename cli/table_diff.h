// What differs between two unit tables: their lines aligned as `diff`
// aligns text, so that a line inserted or removed is reported as such and
// the lines after it as renumbered; a unit line paired with one of the
// other table field by field, every other changed line as a whole.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "cli/table_lines.h"

namespace kelvor::cli {

struct FieldChange {
    int field = 0;
    std::optional<std::string_view> before, after;  // none: the line has no such field
};

struct LineChange {
    enum class Kind {
        Unit,        // a unit line paired with a unit line: the fields that differ
        Line,        // any other pair of lines that differ
        LineEnd,     // the same text with another line end
        Removed,     // only the old table has this line
        Added,       // only the new table has it
        Renumbered,  // `count` lines from `line` on stand `newLine - line` lines further on
    };
    Kind kind = Kind::Line;
    int line = -1;     // in the old table; -1 for Added
    int newLine = -1;  // in the new table; -1 for Removed
    std::string_view before, after;  // the lines, without line ends (views into the tables)
    std::vector<FieldChange> fields;  // for Unit
    LineEnd endBefore = LineEnd::None, endAfter = LineEnd::None;  // for LineEnd
    int count = 1;  // for Renumbered
};

// The changes from old to new in line order, a renumbering before the
// changes of the lines it moves; empty when the texts are equal.
std::vector<LineChange> DiffTables(std::string_view before, std::string_view after);

}  // namespace kelvor::cli
