// The unit form's search, reference-button and single-unit-file commands:
// each tests the loaded flag and hands the work to its subsystem.
#include "app/unit_editor_dlg.h"
#include "form/unit_reference.h"
#include "search/search_command.h"
#include "unitfile/unit_file_commands.h"

namespace kelvor {

void CUnitEditorDlg::OnSearch() {
    if (!m_bTableLoaded) return;
    search::RunUnitSearch(*this, *m_unitList, m_strLastSearch, [this](int index) { return SelectUnit(index); });
}

void CUnitEditorDlg::OnJumpTransform() { JumpFromField(form::kTransformTargetField); }

void CUnitEditorDlg::OnJumpMi() { JumpFromField(form::kMiTargetField); }

void CUnitEditorDlg::JumpFromField(int field) {
    if (!m_bTableLoaded || !m_bUnitShown) return;
    // The boxes as they stand, a number typed and not applied included; a
    // refused box ends the command (its prompt has been shown).
    if (!UpdateData(1)) return;
    const int unitNumber = m_form.number[static_cast<std::size_t>(field)];
    if (unitNumber != 0) JumpToUnitNumber(unitNumber);
}

void CUnitEditorDlg::JumpToUnitNumber(int unitNumber) {
    const int index = form::UnitListIndexOf(unitNumber, m_unitList->GetCount(),
                                            [this](int i) { return m_unitList->GetItemData(i); });
    if (index >= 0) SelectUnit(index);
}

void CUnitEditorDlg::OnExportUnit() { ExportUnitFile(); }

void CUnitEditorDlg::OnImportUnit() { ImportUnitFile(); }

unitfile::UnitForm CUnitEditorDlg::UnitFileForm() {
    return unitfile::UnitForm{
        *this,
        m_document,
        *m_unitList,
        m_record,
        m_pathLastDir,
        [this](const fw::Path& folder) { StoreFolderSetting("LastDir", m_pathLastDir, folder); },
        [this](int line, const std::string& text) { return ReplaceLine(line, text); },
        [this](int index) { return SelectUnit(index); },
    };
}

int CUnitEditorDlg::ExportUnitFile() {
    if (!m_bTableLoaded || !m_bUnitShown) return 0;
    unitfile::UnitForm form = UnitFileForm();
    return unitfile::ExportUnitFile(form);
}

int CUnitEditorDlg::ImportUnitFile() {
    if (!m_bTableLoaded) return 0;
    unitfile::UnitForm form = UnitFileForm();
    return unitfile::ImportUnitFile(form);
}

}  // namespace kelvor
