#include "form/form_lists.h"

#include "app/framework/controls.h"
#include "form/record_layout.h"

namespace kelvor::form {

namespace {

template <class Visit>
void ForEachList(const FormLists& lists, Visit&& visit) {
    for (std::size_t field = 0; field < lists.ofField.size(); ++field)
        if (fw::ComboBox* list = lists.ofField[field]) visit(static_cast<int>(field), *list);
}

}  // namespace

void FillMovementClassLists(const FormLists& lists) {
    for (int field = table::kFirstMovementField; field <= table::kLastMovementField; ++field) {
        fw::ComboBox* list = lists.ofField[static_cast<std::size_t>(field)];
        if (!list) continue;
        list->ResetContent();
        for (const table::MovementClass& mc : table::MovementClasses()) list->AddString(mc.name);
    }
}

void SelectListItems(const FormLists& lists, const table::UnitRecord& rec) {
    ForEachList(lists, [&](int field, fw::ComboBox& list) {
        list.SetCurSel(list.FindStringExact(-1, rec[static_cast<std::size_t>(field)]));
    });
}

void ClearListSelections(const FormLists& lists) {
    ForEachList(lists, [](int, fw::ComboBox& list) { list.SetCurSel(-1); });
}

SelectedItemText SelectedItems(const FormLists& lists) {
    return [&lists](int field) -> std::optional<std::string> {
        const fw::ComboBox* list = lists.ofField[static_cast<std::size_t>(field)];
        if (!list) return std::nullopt;
        const int selected = list->GetCurSel();
        if (selected < 0) return std::nullopt;
        return list->GetLBText(selected);
    };
}

void RenewUnitEntry(fw::ListBox& unitList, int index, const std::string& name, std::uint32_t lineNumber) {
    unitList.DeleteString(index);
    unitList.InsertString(index, name);
    unitList.SetItemData(index, lineNumber);
    if (unitList.GetCurSel() != index) unitList.SetCurSel(index);
}

}  // namespace kelvor::form
