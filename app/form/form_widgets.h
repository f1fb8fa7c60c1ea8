// The unit form's widgets by what they show: for every field the edit box,
// check box or drop-down list the record layout names for it, and the unit
// list, the unit-number box and the picture frame. Bound once, from the
// layout, when the window is built.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "form/record_capture.h"
#include "table/text_format.h"

class QAbstractButton;

namespace kelvor::fw {
class ByteEdit;
class ByteList;
class ChoiceListView;
class ImageFrame;
struct TemplateControls;
}  // namespace kelvor::fw

namespace kelvor::form {

struct FormWidgets {
    std::array<fw::ByteEdit*, table::kFieldCount> edit{};      // text and integer fields
    std::array<QAbstractButton*, table::kFieldCount> check{};  // flag fields
    std::array<fw::ByteList*, table::kFieldCount> list{};      // movement-class and table-value fields
    fw::ByteEdit* unitNumber = nullptr;
    fw::ChoiceListView* unitList = nullptr;
    fw::ImageFrame* picture = nullptr;
};

// What the lists and check boxes showed when the unit was shown or last
// applied; the edit boxes know it themselves.
struct ShownState {
    std::array<int, table::kFieldCount> listIndex{};
    std::array<bool, table::kFieldCount> checked{};
};

// The form as it stands counts as shown: nothing is changed.
ShownState RememberShown(const FormWidgets& widgets);

// The fields whose control the user changed since then.
FieldSet ChangedFields(const FormWidgets& widgets, const ShownState& shown);

// Finds every widget the record layout names among the built controls. A
// control the template lacks stays nullptr and shows nothing.
FormWidgets BindFormWidgets(const fw::TemplateControls& controls);

// Puts the nine movement-class names into each of the six movement-class
// lists, in the order of the movement-class table.
void FillMovementClassLists(const FormWidgets& widgets);

// Selects in the list of every list field the first item equal to the
// field's text, letter case ignored. A value no item is (a movement code no
// class has, a table value the lists do not hold) is shown as it is stored,
// as an item of its own marked as not from the table; an empty one leaves
// the list without a selection.
void SelectListItems(const FormWidgets& widgets, const table::UnitRecord& rec, const table::UnitRecord& stored);

// The marks of such values in the language now in use.
void RelabelOtherValues(const FormWidgets& widgets);

// Leaves every list of the form without a selection.
void ClearListSelections(const FormWidgets& widgets);

// What each list has selected, for RecordFromMembers.
SelectedItemText SelectedItems(const FormWidgets& widgets);

}  // namespace kelvor::form
