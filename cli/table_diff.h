// What differs between two unit tables: units matched by line number, as
// the editor and single-unit files identify them, field by field; every
// other changed line as a whole.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "cli/table_lines.h"
#include "table/document.h"

namespace kelvor::cli {

struct FieldChange {
    int field = 0;
    std::optional<std::string_view> before, after;  // none: the line has no such field
};

struct LineChange {
    enum class Kind {
        Unit,     // a unit line in both: the fields that differ
        Line,     // any other line that differs
        LineEnd,  // the same text with another line end
        Removed,  // only the old table has this line
        Added,    // only the new table has it
    };
    Kind kind = Kind::Line;
    int line = 0;
    std::string_view before, after;  // the lines, without line ends (views into the tables)
    std::vector<FieldChange> fields;  // for Unit
    LineEnd endBefore = LineEnd::None, endAfter = LineEnd::None;  // for LineEnd
};

// The changes from old to new in line order; empty when the texts are equal.
std::vector<LineChange> DiffTables(const table::DocumentText& before, const table::DocumentText& after);

}  // namespace kelvor::cli
