// The open table and its file on disk: what was read or written is
// remembered, a change made by another program is noticed while the table
// is open, and a save over such a change asks first.
#include <QFileSystemWatcher>
#include <QUndoStack>

#include "app/framework/codec.h"
#include "app/unit_editor_dlg.h"

namespace kelvor {

void CUnitEditorDlg::RememberOnDisk() {
    m_onDisk = table::IdentityOf(m_pathTable, m_document.view());
    m_noticed = m_onDisk;
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { OnTableChangedOnDisk(); });
    }
    if (!m_watcher->files().isEmpty()) m_watcher->removePaths(m_watcher->files());
    m_watcher->addPath(fw::FromPath(m_pathTable));
}

bool CUnitEditorDlg::MayOverwriteOnDisk() {
    if (!table::ChangedSince(m_pathTable, m_onDisk)) return true;
    const fw::Question question{
        fw::ToCp932(tr("このファイルは開いた後でほかのプログラムによって変更されています。上書きしますか?")),
        {fw::ToCp932(tr("上書き")), fw::ToCp932(tr("キャンセル"))},
        1,
        1};
    return m_platform.modal.Ask(question, this) == 0;
}

void CUnitEditorDlg::OnTableChangedOnDisk() {
    if (!m_bTableLoaded) return;
    // A file replaced by a rename is watched no more under its name.
    const QString watched = fw::FromPath(m_pathTable);
    if (m_watcher && !m_watcher->files().contains(watched)) m_watcher->addPath(watched);
    table::FileIdentity now;
    const bool changed = table::ChangedSince(m_pathTable, m_noticed, &now);
    if (changed || now.known) m_noticed = now;  // said once, whatever comes next
    if (!changed) return;                       // ours, or said already
    if (!m_undo->isClean() || !MayLeaveUnit()) {
        m_platform.modal.MessageBox(
            fw::ToCp932(tr("このファイルはほかのプログラムによって変更されました。保存するときに上書きするか確かめます。")),
            fw::kIconInformation, this);
        return;
    }
    const fw::Question question{fw::ToCp932(tr("このファイルはほかのプログラムによって変更されました。開き直しますか?")),
                                {fw::ToCp932(tr("開き直す")), fw::ToCp932(tr("キャンセル"))},
                                0,
                                1};
    if (m_platform.modal.Ask(question, this) != 0) return;
    const int row = m_nCurrentIndex;
    if (!LoadTable(m_pathTable)) return;
    LoadFlagSheet();
    RebuildLists();
    SelectUnit(row < m_units.Count() ? row : 0);
}

}  // namespace kelvor
