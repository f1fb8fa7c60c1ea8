// The form's drop-down lists as display and capture use them, and the unit
// list's entry renewed after an Apply.
#pragma once

#include <cstdint>
#include <string>

#include "form/form_exchange.h"
#include "form/record_capture.h"
#include "table/text_format.h"

namespace kelvor::fw {
class ListBox;
}

namespace kelvor::form {

// Puts the nine movement-class names into each of the six movement-class
// lists, in the order of the movement-class table.
void FillMovementClassLists(const FormLists& lists);

// Selects in the list of every list field the first item equal to the
// field's text, letter case ignored; a list without such an item is left
// without a selection.
void SelectListItems(const FormLists& lists, const table::UnitRecord& rec);

// Leaves every list of the form without a selection.
void ClearListSelections(const FormLists& lists);

// What each list has selected, for RecordFromMembers.
SelectedItemText SelectedItems(const FormLists& lists);

// Replaces the unit list's entry `index` by one showing `name` with the same
// line number as its data, in the same place, and makes it the selection.
// No other entry changes.
void RenewUnitEntry(fw::ListBox& unitList, int index, const std::string& name, std::uint32_t lineNumber);

}  // namespace kelvor::form
