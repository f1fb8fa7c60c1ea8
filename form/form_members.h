// The members of the unit form: one for every field shown in an edit box or
// a check box, kept by field number, and the unit-number box's own. The
// drop-down lists have no member: their selection is the value.
#pragma once

#include <array>
#include <string>

#include "table/text_format.h"

namespace kelvor::form {

struct FormMembers {
    std::array<std::string, table::kFieldCount> text{};  // text fields
    std::array<int, table::kFieldCount> number{};        // integer fields; 1 / 0 for a flag's check box
    int unitNumber = 0;                                  // box 1240, which shows no field
};

// The field that names the unit picture.
inline constexpr int kPictureNumberField = 189;

}  // namespace kelvor::form
