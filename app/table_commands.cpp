// The unit form's table commands: File › Open, the unit list and the
// table-value lists, the replacement of one line, and File › Save and Save
// As with the one-time backup.
#include <QCoreApplication>
#include <QUndoStack>

#include <array>
#include <chrono>
#include <iterator>

#include "app/form/unit_list_model.h"
#include "app/framework/byte_controls.h"
#include "app/framework/codec.h"
#include "app/framework/language.h"
#include "app/unit_editor_dlg.h"
#include "table/file_lock.h"
#include "table/unit_walk.h"

namespace kelvor {

namespace {

constexpr const char* kTableFilter = QT_TRANSLATE_NOOP("FileDialogs", "ﾃﾞｰﾀﾌｧｲﾙ (*.dat)|*.dat|全てのﾌｧｲﾙ (*.*)|*.*||");
constexpr const char* kTableDialogTitle = QT_TRANSLATE_NOOP("FileDialogs", "兵器データファイルの選択");
constexpr unsigned kFileDialogFlags = 6;  // no read-only box; ask before replacing

// The fields whose values the walk offers, in the walk's order.
constexpr int kTableValueFields[] = {3, 4, 5, 6, 31, 32};
constexpr int kWeaponTypeFields[] = {64, 84, 104, 124, 144};

void Offer(fw::ByteList& list, const std::string& value) {
    if (list.findBytes(value) < 0) list.addBytes(value);
}

}  // namespace

// Open and Save As offer the open table's folder and name; before a table
// is open, the folder of the last table dialog.
fw::FileDialogRequest CUnitEditorDlg::TableDialog(bool open) const {
    const fw::Path folder = m_bTableLoaded ? fw::FolderOf(m_pathTable) : m_pathLastDir;
    return {open, fw::TranslatedCp932("FileDialogs", kTableDialogTitle), folder, m_pathFileName,
            fw::TranslatedCp932("FileDialogs", kTableFilter), kFileDialogFlags};
}

// Reads the table at `path` as the open table; a failed read says so and
// keeps the table loaded before.
int CUnitEditorDlg::LoadTable(const fw::Path& path) {
    fw::Platform& platform = m_platform;
    // Read into a fresh text so that a failed read keeps the loaded table.
    table::DocumentText text;
    std::string error;
    std::size_t length = 0;
    const bool read = platform.files.ReadWholeFile(
        path,
        [&](std::size_t size) -> char* {
            length = size;
            return text.PrepareForRead(size);
        },
        &error);
    if (!read) {
        fw::ReportOpenFailed(platform.modal, this, path, error);
        return 0;
    }
    text.CommitRead(length);
    m_document = std::move(text);
    m_bTableLoaded = true;
    m_pathTable = path;
    m_undo->clear();
    RememberOnDisk();
    UpdateTitle();
    return 1;
}

int CUnitEditorDlg::RebuildLists() {
    if (!m_bTableLoaded) return 0;

    // The lists, looked up once for the whole walk; a list the form lacks
    // stands in with one that no window shows.
    fw::ByteList standIn;
    const auto listOf = [&](int field) -> fw::ByteList* {
        fw::ByteList* list = m_widgets.list[static_cast<std::size_t>(field)];
        return list ? list : &standIn;
    };
    std::array<fw::ByteList*, std::size(kTableValueFields)> valueLists{};
    std::array<fw::ByteList*, std::size(kWeaponTypeFields)> weaponLists{};
    for (std::size_t i = 0; i < valueLists.size(); ++i) valueLists[i] = listOf(kTableValueFields[i]);
    for (std::size_t i = 0; i < weaponLists.size(); ++i) weaponLists[i] = listOf(kWeaponTypeFields[i]);
    for (fw::ByteList* list : valueLists) list->clearItems();
    for (fw::ByteList* list : weaponLists) list->clearItems();

    m_unitModel->BeginRebuild();
    m_units.Clear();
    table::WalkUnitLines(m_document, [&](const table::UnitLineValues& unit) {
        m_units.Add(unit.lineNumber, unit.name);
        for (int i = 0; i < unit.tableValueCount; ++i) Offer(*valueLists[i], unit.tableValues[i]);
        // The weapon types: searched in the first list, added to all five.
        for (int i = 0; i < unit.weaponTypeCount; ++i) {
            const std::string& value = unit.weaponTypes[i];
            if (weaponLists[0]->findBytes(value) >= 0) continue;
            for (fw::ByteList* list : weaponLists) list->addBytes(value);
        }
    });
    m_unitModel->EndRebuild();
    return 1;
}

int CUnitEditorDlg::ReplaceLine(int lineNumber, const std::string& text) {
    return m_document.ReplaceLine(lineNumber, text);
}

void CUnitEditorDlg::OnFileSave() { SaveTable(); }

void CUnitEditorDlg::OnFileSaveAs() { SaveTableAs(); }

// The open table to its own file, without a question.
int CUnitEditorDlg::SaveTable() {
    if (!m_bTableLoaded) return 0;
    return SaveTableTo(m_pathTable);
}

int CUnitEditorDlg::SaveTableAs() {
    if (!m_bTableLoaded) return 0;
    const fw::FileDialogResult chosen = m_platform.modal.RunFileDialog(TableDialog(false), this);
    if (!chosen.ok || !SaveTableTo(chosen.path)) return 0;
    m_pathFileName = chosen.fileName;
    m_pathTable = chosen.path;
    RememberOnDisk();
    StoreFolderSetting("LastDir", m_pathLastDir, fw::FolderOf(chosen.path));
    m_recent.Add(chosen.path);
    UpdateTitle();
    return 1;
}

// The file about to be replaced is set aside once per folder as
// "weapon.org"; an existing backup is never replaced or refreshed. The save
// never leaves the file missing, empty or half written: on failure it stays
// as it was, and the user is told which file and why.
//
// The save takes the rewrite lock kelvor-cli takes, so that it never lands
// between another program's read and write of the table, and looks at the
// file again under it.
int CUnitEditorDlg::SaveTableTo(const fw::Path& path) {
    table::FileLock lock;
    table::LockWait wait;
    wait.giveUpAfter = std::chrono::seconds(2);
    std::string error;
    switch (table::LockForRewrite(path, lock, wait, &error)) {
    case table::LockResult::Held: break;
    case table::LockResult::Busy:
        m_platform.modal.MessageBox(
            fw::PathForDisplay(path) +
                fw::ToCp932(tr("\nほかのプログラムがこのファイルに書き込んでいます。しばらくしてからもう一度保存してください。")),
            fw::kIconStop, this);
        return 0;
    case table::LockResult::Failed:
        fw::ReportFileError(m_platform.modal, this, path, fw::SystemErrorForWindow(error));
        return 0;
    }
    if (path == m_pathTable && !MayOverwriteOnDisk()) return 0;
    fw::SaveError failure;
    if (!m_platform.files.SaveTable(path, m_document.view(), &failure)) {
        fw::ReportFileError(m_platform.modal, this, failure.path.empty() ? path : failure.path, failure.systemError);
        return 0;
    }
    m_undo->setClean();
    if (path == m_pathTable) RememberOnDisk();
    return 1;
}

}  // namespace kelvor
