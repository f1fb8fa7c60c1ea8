// The unit form's exchange: binds the lists as control objects and walks
// the value controls in the exchange order, between the members (kept by
// field number) and the controls. The save direction adds, after each text
// box, the checks of what a line can hold; a refusal works like the range
// refusals: a message box, the focus in the box with its text selected, and
// the exchange stops.
#pragma once

#include <array>

#include "app/framework/data_exchange.h"
#include "form/form_members.h"
#include "table/text_format.h"

namespace kelvor::fw {
class ComboBox;
class ListBox;
}  // namespace kelvor::fw

namespace kelvor::form {

// The drop-down lists, bound by the exchange: the list of each list field,
// nullptr for the fields shown otherwise.
struct FormLists {
    std::array<fw::ComboBox*, table::kFieldCount> ofField{};
};

void ExchangeUnitForm(fw::DataExchange& dx, FormMembers& members, FormLists& lists, fw::ListBox*& unitList);

}  // namespace kelvor::form
