// The unit form's history and its questions before work is left: undo and
// redo of Apply and import line by line, and what happens to edits not
// applied and to changes not saved when the user moves on.
#include <QUndoStack>

#include "app/form/unit_list_model.h"
#include "app/framework/choice_list_view.h"
#include "app/framework/codec.h"
#include "app/line_change.h"
#include "app/unit_editor_dlg.h"

namespace kelvor {

namespace {

fw::Question ThreeWay(const QString& text, const QString& first, const QString& second) {
    return fw::Question{fw::ToCp932(text),
                        {fw::ToCp932(first), fw::ToCp932(second), fw::ToCp932(CUnitEditorDlg::tr("キャンセル"))},
                        0,
                        2};
}

}  // namespace

void CUnitEditorDlg::OnUndo() {
    if (m_undo->canUndo() && MayLeaveUnit()) m_undo->undo();
}

void CUnitEditorDlg::OnRedo() {
    if (m_undo->canRedo() && MayLeaveUnit()) m_undo->redo();
}

void CUnitEditorDlg::PutLine(int lineNumber, const std::string& bytes) {
    if (!m_document.ReplaceLineBytes(lineNumber, bytes)) return;
    const int row = m_units.RowOfLine(lineNumber);
    if (row < 0) return;
    table::Cursor c{bytes.data(), bytes.data() + bytes.size()};
    std::string name;
    table::ReadField(c, name);
    RenameRow(row, name);
    SelectUnit(row);
}

int CUnitEditorDlg::ReplaceLineAsStep(const QString& step, int lineNumber, const std::string& bytes) {
    std::string before;
    if (!m_document.ReplaceLineBytes(lineNumber, bytes, &before)) return -1;
    if (before == bytes) return 0;  // nothing to undo
    m_undo->push(new LineChange(step, lineNumber, std::move(before), bytes,
                                [this](int line, const std::string& put) { PutLine(line, put); }));
    return 1;
}

void CUnitEditorDlg::RenameRow(int row, const std::string& name) {
    m_units.Rename(row, name);
    m_unitModel->RowRenamed(row);
}

bool CUnitEditorDlg::MayLeaveUnit(int jumpField) {
    if (!m_bTableLoaded || !m_bUnitShown) return true;
    form::FieldSet changed = form::ChangedFields(m_widgets, m_shown);
    // A number typed into the 変 or ミ box only to go there is no edit.
    if (jumpField >= 0) changed.reset(static_cast<std::size_t>(jumpField));
    if (changed.none()) return true;
    switch (m_platform.modal.Ask(ThreeWay(tr("編集中の内容を適用しますか?"), tr("適用(&A)"), tr("破棄(&D)")), this)) {
    case 0: return ApplyShown();
    case 1: return true;
    default: return false;
    }
}

bool CUnitEditorDlg::MayLeaveTable() {
    if (!MayLeaveUnit()) return false;
    if (m_undo->isClean()) return true;
    switch (m_platform.modal.Ask(ThreeWay(tr("変更を保存しますか?"), tr("保存(&S)"), tr("保存しない(&N)")), this)) {
    case 0: return SaveTable() != 0;
    case 1: return true;
    default: return false;
    }
}

int CUnitEditorDlg::ShowOtherUnit(int row, int jumpField) {
    if (!MayLeaveUnit(jumpField)) {
        // The list keeps showing the unit the form holds.
        if (m_widgets.unitList) m_widgets.unitList->selectRow(m_bUnitShown ? m_nCurrentIndex : -1);
        return 0;
    }
    return SelectUnit(row);
}

}  // namespace kelvor
