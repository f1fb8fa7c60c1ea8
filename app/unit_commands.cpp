// The unit form's search, reference-button and single-unit-file commands:
// each tests the loaded flag and hands the work to its subsystem.
#include "app/form/form_exchange.h"
#include "app/framework/choice_list_view.h"
#include "app/search/search_command.h"
#include "app/unit_editor_dlg.h"
#include "app/unitfile/unit_file_commands.h"
#include "form/unit_reference.h"

namespace kelvor {

void CUnitEditorDlg::OnSearch() {
    if (!m_bTableLoaded) return;
    const int current = m_widgets.unitList ? m_widgets.unitList->selectedRow() : -1;
    search::RunUnitSearch(this, m_platform.modal, m_units, current, m_strLastSearch,
                          [this](int row) { return ShowOtherUnit(row); });
}

void CUnitEditorDlg::OnSearchAgain() {
    if (!m_bTableLoaded) return;
    const int current = m_widgets.unitList ? m_widgets.unitList->selectedRow() : -1;
    search::SearchAgain(this, m_platform.modal, m_units, current, m_strLastSearch,
                        [this](int row) { return ShowOtherUnit(row); });
}

void CUnitEditorDlg::OnJumpTransform() { JumpFromField(form::kTransformTargetField); }

void CUnitEditorDlg::OnJumpMi() { JumpFromField(form::kMiTargetField); }

void CUnitEditorDlg::JumpFromField(int field) {
    if (!m_bTableLoaded || !m_bUnitShown) return;
    // The boxes as they stand, a number typed and not applied included; a
    // refused box ends the command (its prompt has been shown).
    const form::FieldSet changed = form::ChangedFields(m_widgets, m_shown);
    if (!form::TakeMembers(m_widgets, m_form, m_platform.modal, this, &changed)) return;
    const int unitNumber = m_form.number[static_cast<std::size_t>(field)];
    if (unitNumber != 0) JumpToUnitNumber(unitNumber, field);
}

void CUnitEditorDlg::JumpToUnitNumber(int unitNumber, int jumpField) {
    const int index = form::UnitListIndexOf(unitNumber, m_units.Count(), [this](int row) { return m_units.LineNumber(row); });
    if (index >= 0) ShowOtherUnit(index, jumpField);
}

void CUnitEditorDlg::OnExportUnit() { ExportUnitFile(); }

void CUnitEditorDlg::OnImportUnit() { ImportUnitFile(); }

unitfile::UnitForm CUnitEditorDlg::UnitFileForm() {
    return unitfile::UnitForm{
        this,
        m_platform,
        m_document,
        m_units,
        m_bUnitShown ? m_nCurrentIndex : -1,
        m_stored,
        // Before any single-unit file, the dialogs offer the table's folder.
        m_pathUnitFileDir.empty() ? fw::FolderOf(m_pathTable) : m_pathUnitFileDir,
        [this](const fw::Path& folder) { StoreFolderSetting("UnitFileDir", m_pathUnitFileDir, folder); },
        [this](int line, const std::string& text) {
            return ReplaceLineAsStep(tr("読み込み: ユニット %1").arg(line - 2), line, text + "\r\n") >= 0 ? 1 : 0;
        },
        [this](int row) { return SelectUnit(row); },
        [this](int row, const std::string& name) { RenameRow(row, name); },
    };
}

int CUnitEditorDlg::ExportUnitFile() {
    if (!m_bTableLoaded || !m_bUnitShown) return 0;
    unitfile::UnitForm form = UnitFileForm();
    return unitfile::ExportUnitFile(form);
}

int CUnitEditorDlg::ImportUnitFile() {
    if (!m_bTableLoaded || !MayLeaveUnit()) return 0;
    unitfile::UnitForm form = UnitFileForm();
    return unitfile::ImportUnitFile(form);
}

int CUnitEditorDlg::ImportUnitFileAt(const fw::Path& path) {
    if (!m_bTableLoaded || !MayLeaveUnit()) return 0;
    unitfile::UnitForm form = UnitFileForm();
    return unitfile::ImportUnitFileAt(form, path);
}

}  // namespace kelvor
