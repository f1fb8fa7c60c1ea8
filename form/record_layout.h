// What every field of a unit record is: its name and caption, its kind, the
// control of the unit form that shows it, the range the form enforces when
// taking it back and its place in the order the form takes its boxes back.
// The one table of the fields: plain data, no Qt; the form, the
// command-line tool, the demo-data generator and tests walk it.
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
    // Where the form takes the field back when it walks its edit and check
    // boxes (0 first); -1 for the drop-down lists and the marker, which the
    // walk leaves to the lists' selections. The order decides which box a
    // refusal stops at.
    int exchangePlace;
    // What the field is, in English ("Durability", "Weapon 2, Range",
    // "Rating P3, Fuel"), and the caption the form shows for it ("耐久",
    // "索敵 / 高": a group box's caption first), empty where the form shows
    // none. Both are UTF-8: they are the program's own texts, not table text.
    std::string_view name;
    std::string_view caption;
};

// All 194 fields; index == field number.
std::span<const FieldLayout> RecordLayout();

// The fields shown in edit and check boxes, in the order the form takes
// them back (their exchangePlace). The unit-number box, which shows no
// field, is taken back after them.
std::span<const FieldLayout* const> ExchangeOrder();

// The field shown in control `controlId`, or nullptr.
const FieldLayout* FieldOfControl(int controlId);

}  // namespace kelvor::form
