// What every field of a unit record is: its kind, the control of the unit
// form that shows it, and the range the form enforces when taking it back.
// Plain data, no Qt: the form, the demo-data generator and tests walk it.
#pragma once

#include <span>

namespace kelvor::form {

enum class FieldKind {
    Text,           // edit box, the text as it is
    Integer,        // edit box, plain decimal
    Flag,           // check box, "○" / "×"
    MovementClass,  // one of the six movement-class lists
    TableValue,     // a drop-down list of the values the table holds
    Marker,         // field 1: "○" in every unit line, never shown
};

struct FieldLayout {
    int field;
    FieldKind kind;
    int controlId;  // 0 for the marker
    bool hasRange;
    int min;
    int max;
};

// All 194 fields; index == field number.
std::span<const FieldLayout> RecordLayout();

// The field shown in control `controlId`, or nullptr.
const FieldLayout* FieldOfControl(int controlId);

}  // namespace kelvor::form
