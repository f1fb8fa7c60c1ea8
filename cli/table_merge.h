// A three-way merge of unit tables: the changes two tables made to the
// table they both started from, put together line by line (a unit is its
// line, as the game counts) and, within a unit line, field by field.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvor::cli {

struct MergeConflict {
    enum class Kind {
        Field,           // both changed one field of a unit line, differently
        Line,            // both changed a line differently, and it is no unit line on every side
        RemovedChanged,  // one removed a line the other changed
        Added,           // both added different lines at the same place
    };
    Kind kind = Kind::Field;
    int line = 0;       // in the result: where ours' version stands, or would stand
    int baseLine = -1;  // -1 for Added
    int field = -1;     // for Field
    std::string_view name;  // the unit's name (field 0) where the line is a unit line
    // The field (Field) or line (Line, RemovedChanged) on each side, none
    // where the side removed it; for Added, each side's lines, line ends
    // between them.
    std::optional<std::string_view> base, ours, theirs;
};

struct MergeResult {
    // The merged table as pieces to write one after the other: runs of
    // lines taken as they stand are views into the three texts, lines put
    // together field by field views into `made`.
    std::vector<std::string_view> pieces;
    std::deque<std::string> made;
    std::vector<MergeConflict> conflicts;  // in line order
    int fromOurs = 0, fromTheirs = 0;  // lines changed, removed or added by each side that the result takes
};

// Lines are aligned with the base as diff aligns them. A line or field
// changed on one side takes that change; the same change on both sides is
// taken once; lines one side added are taken. A conflict takes ours' side.
// Every byte no side changed stays as it was, line ends among them; the
// views in the pieces and the conflicts point into the three texts, which
// must outlive the result.
MergeResult MergeTables(std::string_view base, std::string_view ours, std::string_view theirs);

}  // namespace kelvor::cli
