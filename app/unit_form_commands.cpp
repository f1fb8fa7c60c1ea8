// The unit form's display and Apply: showing the unit of a list entry, and
// taking the form back into its line. The work is done in form/; this is
// the order in which the window does it.
#include <string>

#include "app/framework/codec.h"
#include "app/unit_editor_dlg.h"
#include "form/form_lists.h"
#include "form/record_capture.h"
#include "form/record_display.h"
#include "res/control_ids.h"

namespace kelvor {

namespace {

constexpr const char* kLineCannotHold = "カンマか改行を含む項目があるため、このユニットの行には書き込めません。";
constexpr const char* kShortLine = "このユニットの行には194項目のうち%1項目しかありません。足りない項目は空で表示します。";

std::string ShortLineMessage(int fields) {
    std::string text = kShortLine;
    text.replace(text.find("%1"), 2, std::to_string(fields));
    return fw::Cp932FromUtf8(text);
}

}  // namespace

void CUnitEditorDlg::OnSelchangeUnitList() {
    if (m_bTableLoaded) SelectUnit(m_unitList->GetCurSel());
}

int CUnitEditorDlg::SelectUnit(int listIndex) {
    if (!m_bTableLoaded) return 0;
    m_nCurrentIndex = listIndex;
    const std::int64_t lineNumber = m_unitList->GetItemData(listIndex);
    if (lineNumber < 0) {  // no such entry: an empty list, or no selection
        EmptyForm();
        return 1;
    }
    const int fields = form::ReadUnitRecord(m_document, static_cast<int>(lineNumber), m_record);
    ShowRecord(m_record);
    if (m_unitList->GetCurSel() != listIndex) m_unitList->SetCurSel(listIndex);
    if (fields < table::kFieldCount)
        GetPlatform().modal.MessageBox(ShortLineMessage(fields), fw::kIconInformation, this);
    return 1;
}

void CUnitEditorDlg::ShowRecord(const table::UnitRecord& rec) {
    m_form.unitNumber = static_cast<int>(m_unitList->GetItemData(m_nCurrentIndex) - 2);
    form::MembersFromRecord(rec, m_form);
    form::SelectListItems(m_lists, rec);
    m_bUnitShown = 1;
    LoadUnitPicture(m_form.number[form::kPictureNumberField]);
    DrawPicturePanel();
    UpdateData(0);
}

// No unit to show: empty boxes, integer boxes 0, clear check boxes, no list
// selection, an empty unit-number box and a black picture panel; nothing
// acts on a unit until one is shown again.
void CUnitEditorDlg::EmptyForm() {
    m_bUnitShown = 0;
    for (std::string& entry : m_record) entry.clear();
    m_form = form::FormMembers{};
    form::ClearListSelections(m_lists);
    DrawPicturePanel();
    UpdateData(0);
    SetDlgItemText(res::kIdUnitNumber, std::string());
}

void CUnitEditorDlg::OnApply() {
    if (!m_bTableLoaded || !m_bUnitShown) return;
    if (!CaptureRecord()) return;
    std::string line;
    if (!table::ComposeUnitLine(m_record, line)) {
        // The exchange refuses separators typed into a box, and fields read
        // from a line cannot hold them; should a value still hold one, the
        // line is left as it was and the user told.
        GetPlatform().modal.MessageBox(fw::Cp932FromUtf8(kLineCannotHold), fw::kIconExclamation, this);
        return;
    }
    const std::int64_t lineNumber = m_unitList->GetItemData(m_nCurrentIndex);
    if (!ReplaceLine(static_cast<int>(lineNumber), line)) return;
    form::RenewUnitEntry(*m_unitList, m_nCurrentIndex, m_record[0], static_cast<std::uint32_t>(lineNumber));
}

int CUnitEditorDlg::CaptureRecord() {
    if (!UpdateData(1)) return 0;
    form::RecordFromMembers(m_form, form::SelectedItems(m_lists), m_record);
    LoadUnitPicture(m_form.number[form::kPictureNumberField]);
    DrawPicturePanel();
    return 1;
}

}  // namespace kelvor
