// What every field of a unit record is: its name and caption, its kind, the
// control of the unit form that shows it, and the range the form enforces
// when taking it back. Plain data, no Qt: the form, the command-line tool,
// the demo-data generator and tests walk it.
#pragma once

#include <span>
#include <string_view>

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
    // What the field is, in English ("Durability", "Weapon 2, Range",
    // "Rating P3, Fuel"), and the caption the form shows for it ("耐久",
    // "索敵 / 高": a group box's caption first), empty where the form shows
    // none. Both are UTF-8: they are the program's own texts, not table text.
    std::string_view name;
    std::string_view caption;
};

// All 194 fields; index == field number.
std::span<const FieldLayout> RecordLayout();

// The field shown in control `controlId`, or nullptr.
const FieldLayout* FieldOfControl(int controlId);

}  // namespace kelvor::form
