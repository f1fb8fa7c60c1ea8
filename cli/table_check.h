// What in a unit table the editor would refuse, rewrite or cannot show, line
// by line and field by field.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/file_io.h"

namespace kelvor::cli {

enum class Problem {
    FieldCount,           // a unit line of other than 194 fields
    EmptyLastField,       // 194 fields, the last one empty (the line ends in a comma)
    StrayCr,              // a CR inside a unit line ends its fields there
    NotPlainDecimal,      // an integer field Apply would rewrite ("007", "", "-5", "5a")
    OutOfRange,           // an integer the form shows outside its field's range
    BadFlag,              // a flag field other than "○" or "×"
    UnknownMovementCode,  // a movement code outside the movement-class table
    CaseVariant,          // a table value differing from an earlier one only in letter case
    MissingReference,     // fields 50, 51: a unit number no unit has
    MissingPicture,       // field 189: no such picture in the picture folder
    UnusablePicture,      // field 189: a picture file the panel refuses
    LineEnd,              // a line ending in CR CR LF or in a bare LF
    InvalidCp932,         // bytes that are no character of code page 932
    NulByte,              // a NUL byte, which the import refuses
    DuplicateName,        // a note: another unit has the same name
    PicturesNotChecked,   // a note: there is no picture folder to look in
};
inline constexpr int kProblemCount = static_cast<int>(Problem::PicturesNotChecked) + 1;

// The name scripts know a problem by ("field-count", "out-of-range", ...).
const char* ProblemCode(Problem problem);
// Notes tell; they are not errors of the table.
bool IsNote(Problem problem);

struct Finding {
    int line = -1;         // -1: the table as a whole
    bool unit = false;     // the line is a unit line; unitName is its field 0
    std::string_view unitName;  // code page 932, a view into the table checked
    int field = -1;        // -1: the line as a whole
    Problem problem = Problem::FieldCount;
    std::string message;   // UTF-8: what is wrong, and what the editor does with it
};

struct CheckOptions {
    // The folder of the unit pictures; none: no picture is checked.
    std::optional<table::Path> pictures;
    std::string picturesName;  // how messages name that folder
    // How many findings of one problem are kept, the first in line order;
    // 0: every one. The rest are counted.
    int limit = 0;
};

struct CheckReport {
    // Ordered by line and field. They name units by views into the text
    // checked: they are good for as long as it is.
    std::vector<Finding> findings;
    std::array<int, kProblemCount> counts{};  // every finding, kept or not, by problem
};

CheckReport CheckTable(std::string_view text, const CheckOptions& options);

}  // namespace kelvor::cli
