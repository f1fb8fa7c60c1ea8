// The unit form's display and Apply: showing the unit of a list entry, and
// taking the form back into its line. The work is done in form/; this is
// the order in which the window does it.
#include <string>

#include "app/form/form_exchange.h"
#include "app/framework/byte_controls.h"
#include "app/framework/choice_list_view.h"
#include "app/framework/codec.h"
#include "app/unit_editor_dlg.h"
#include "form/record_capture.h"
#include "form/record_display.h"

namespace kelvor {

void CUnitEditorDlg::OnSelchangeUnitList(int row) {
    if (m_bTableLoaded) ShowOtherUnit(row);
}

int CUnitEditorDlg::SelectUnit(int row) {
    if (!m_bTableLoaded) return 0;
    m_nCurrentIndex = row;
    if (row < 0 || row >= m_units.Count()) {  // no such unit: an empty list, or no selection
        EmptyForm();
        return 1;
    }
    m_storedFields = form::ReadStoredFields(m_document, m_units.LineNumber(row), m_stored);
    form::NamesFromStored(m_stored, m_storedFields, m_record);
    const int fields = m_storedFields;
    ShowRecord(m_record);
    if (m_widgets.unitList && m_widgets.unitList->selectedRow() != row) m_widgets.unitList->selectRow(row);
    if (fields < table::kFieldCount)
        m_platform.modal.MessageBox(
            fw::ToCp932(tr("このユニットの行には194項目のうち%1項目しかありません。足りない項目は空で表示します。").arg(fields)),
            fw::kIconInformation, this);
    return 1;
}

void CUnitEditorDlg::ShowRecord(const table::UnitRecord& rec) {
    m_form.unitNumber = m_units.LineNumber(m_nCurrentIndex) - 2;
    form::MembersFromRecord(rec, m_form);
    form::SelectListItems(m_widgets, rec, m_stored);
    m_bUnitShown = true;
    LoadUnitPicture(m_form.number[form::kPictureNumberField]);
    DrawPicturePanel();
    form::ShowMembers(m_widgets, m_form);
    RememberShown();
}

void CUnitEditorDlg::RememberShown() { m_shown = form::RememberShown(m_widgets); }

// No unit to show: empty boxes, integer boxes 0, clear check boxes, no list
// selection, an empty unit-number box and a black picture panel; nothing
// acts on a unit until one is shown again.
void CUnitEditorDlg::EmptyForm() {
    m_bUnitShown = false;
    for (std::string& entry : m_record) entry.clear();
    m_form = form::FormMembers{};
    form::ClearListSelections(m_widgets);
    DrawPicturePanel();
    form::ShowMembers(m_widgets, m_form);
    if (m_widgets.unitNumber) m_widgets.unitNumber->setBytes(std::string());
    RememberShown();
}

void CUnitEditorDlg::OnApply() { ApplyShown(); }

// Only the fields whose control the user changed are written; every other
// field keeps the bytes its line stores (letter case, leading zeros, codes
// no class has, flags of other marks, negative numbers). A short line is
// written whole, its missing fields as the form shows them.
bool CUnitEditorDlg::ApplyShown() {
    if (!m_bTableLoaded || !m_bUnitShown) return false;
    const form::FieldSet changed = form::ChangedFields(m_widgets, m_shown);
    if (!CaptureRecord(changed)) return false;
    std::string line;
    if (!form::ComposeChangedLine(m_record, m_stored, m_storedFields, changed, line)) {
        // The exchange refuses separators typed into a box, and fields read
        // from a line cannot hold them; should a value still hold one, the
        // line is left as it was and the user told.
        m_platform.modal.MessageBox(
            fw::ToCp932(tr("カンマか改行を含む項目があるため、このユニットの行には書き込めません。")),
            fw::kIconExclamation, this);
        return false;
    }
    const std::string after = line + "\r\n";
    const int replaced =
        ReplaceLineAsStep(tr("適用: %1").arg(fw::FromCp932(m_record[0])), m_units.LineNumber(m_nCurrentIndex), after);
    if (replaced < 0) return false;
    m_storedFields = form::StoredFieldsAt({after.data(), after.data() + after.size()}, m_stored);
    form::NamesFromStored(m_stored, m_storedFields, m_record);
    RememberShown();
    // The unit's list entry shows the name as applied.
    if (replaced > 0) RenameRow(m_nCurrentIndex, m_record[0]);
    return true;
}

int CUnitEditorDlg::CaptureRecord(const form::FieldSet& changed) {
    if (!form::TakeMembers(m_widgets, m_form, m_platform.modal, this, &changed)) return 0;
    form::RecordFromMembers(m_form, form::SelectedItems(m_widgets), m_record);
    LoadUnitPicture(m_form.number[form::kPictureNumberField]);
    DrawPicturePanel();
    return 1;
}

}  // namespace kelvor
