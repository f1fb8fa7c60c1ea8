// The unit form's members and its boxes, both ways. Showing puts every
// member into its box. Taking back walks the edit and check boxes in the
// record layout's exchange order, then the unit-number box, and stops at
// the first box it refuses: an integer it cannot read or out of range, a
// text the line cannot hold. A refusal is said in a message box, the focus
// goes into the box with its text selected, and the members of the boxes
// after it stay as they were.
#pragma once

#include "app/form/form_widgets.h"
#include "form/form_members.h"

class QWidget;

namespace kelvor::fw {
class ModalServices;
}

namespace kelvor::form {

void ShowMembers(const FormWidgets& widgets, const FormMembers& members);

// Takes back the boxes of the fields in `only` (every box when null); false
// when a box was refused.
bool TakeMembers(const FormWidgets& widgets, FormMembers& members, fw::ModalServices& modal, QWidget* owner,
                 const FieldSet* only = nullptr);

}  // namespace kelvor::form
