// Taking the form back: the record rebuilt from the members and the lists'
// selections, field by field in field order, by each field's kind. Plain
// code; the window hands in what its lists have selected.
#pragma once

#include <bitset>
#include <functional>
#include <optional>
#include <string>

#include "form/form_members.h"
#include "table/text_format.h"

namespace kelvor::form {

// The whole text of the item selected in the list that shows `field`;
// nullopt when that list has no selection.
using SelectedItemText = std::function<std::optional<std::string>(int field)>;

// Writes every field but the marker (field 1): text as it is, integers as
// "%d", flags as "○" or "×", list fields as the selected item's own text.
// A list without a selection leaves its field as it is, so a value the
// list cannot show is never lost.
void RecordFromMembers(const FormMembers& members, const SelectedItemText& selected, table::UnitRecord& rec);

using FieldSet = std::bitset<table::kFieldCount>;

// The unit line Apply writes: every field in `changed` from the record taken
// back (a movement class as its code), every other field exactly as the
// line stores it. `stored` holds the line's `storedCount` fields; the fields
// a short line lacks are written from the record, so the line has all 194.
// False when a field to write holds a separator (the line is left as it was).
bool ComposeChangedLine(const table::UnitRecord& captured, const table::UnitRecord& stored, int storedCount,
                        const FieldSet& changed, std::string& line);

}  // namespace kelvor::form
