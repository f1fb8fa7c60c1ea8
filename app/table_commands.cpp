// The unit form's table commands: File › Open, the unit list and the
// table-value lists, the replacement of one line, and File › Save As with the
// one-time backup.
#include <array>
#include <iterator>

#include "app/framework/codec.h"
#include "app/unit_editor_dlg.h"
#include "res/control_ids.h"
#include "table/unit_walk.h"

namespace kelvor {

namespace {

constexpr const char* kTableFilter = "ﾃﾞｰﾀﾌｧｲﾙ (*.dat)|*.dat|全てのﾌｧｲﾙ (*.*)|*.*||";
constexpr const char* kTableDialogTitle = "兵器データファイルの選択";
constexpr const char* kOpenFailed = "ファイルのオープンに失敗しました";
constexpr unsigned kFileDialogFlags = 6;  // no read-only box; ask before replacing

// Where each table value of a unit line is offered: fields 3, 4, 5, 6, 31, 32.
constexpr int kTableValueLists[] = {1018, 1019, 1020, 1021, 1030, 1059};
// The five weapon-type lists always hold the same items; 1071 is searched.
constexpr int kWeaponTypeLists[] = {1071, 1128, 1129, 1130, 1131};

fw::FileDialogRequest TableDialog(bool open, const fw::Path& folder, const fw::Path& fileName) {
    fw::FileDialogRequest request;
    request.open = open;
    request.title = fw::Cp932FromUtf8(kTableDialogTitle);
    request.initialFolder = folder;
    request.fileName = fileName;
    request.filter = fw::Cp932FromUtf8(kTableFilter);
    request.flags = kFileDialogFlags;
    return request;
}

void Offer(fw::ComboBox& list, const std::string& value) {
    if (list.FindStringExact(-1, value) < 0) list.AddString(value);
}

}  // namespace

void CUnitEditorDlg::OnFileOpen() {
    if (!OpenTable()) return;
    LoadFlagSheet();
    RebuildLists();
    SelectUnit(0);
}

int CUnitEditorDlg::OpenTable() {
    fw::Platform& platform = GetPlatform();
    const fw::FileDialogResult chosen =
        platform.modal.RunFileDialog(TableDialog(true, m_pathLastDir, m_pathFileName), this);
    if (!chosen.ok) return 0;

    m_pathFileName = chosen.fileName;
    StoreFolderSetting("LastDir", m_pathLastDir, fw::FolderOf(chosen.path));

    // Read into a fresh text so that a failed read keeps the loaded table.
    table::DocumentText text;
    std::string error;
    std::size_t length = 0;
    const bool read = platform.files.ReadWholeFile(
        chosen.path,
        [&](std::size_t size) -> char* {
            length = size;
            return text.PrepareForRead(size);
        },
        &error);
    if (!read) {
        platform.modal.MessageBox(fw::Cp932FromUtf8(kOpenFailed), fw::kIconStop, this);
        return 0;
    }
    text.CommitRead(length);
    m_document = std::move(text);
    m_bTableLoaded = 1;

    const fw::Path systemDir = fw::Subfolder(m_pathLastDir, "bmp");
    if (platform.files.CanOpenForReading(systemDir / "panel_btn.bmp"))
        StoreFolderSetting("SystemBitmapDir", m_pathSystemBitmapDir, systemDir);
    const fw::Path unitDir = fw::Subfolder(m_pathLastDir, "unit");
    if (platform.files.CanOpenForReading(unitDir / "101.bmp"))
        StoreFolderSetting("UnitBitmapDir", m_pathUnitBitmapDir, unitDir);
    return 1;
}

int CUnitEditorDlg::RebuildLists() {
    if (!m_bTableLoaded) return 0;

    m_unitList->ResetContent();
    // The lists, looked up once for the whole walk.
    std::array<fw::ComboBox*, std::size(kTableValueLists)> valueLists{};
    std::array<fw::ComboBox*, std::size(kWeaponTypeLists)> weaponLists{};
    for (std::size_t i = 0; i < valueLists.size(); ++i) valueLists[i] = &GetComboBox(kTableValueLists[i]);
    for (std::size_t i = 0; i < weaponLists.size(); ++i) weaponLists[i] = &GetComboBox(kWeaponTypeLists[i]);
    for (fw::ComboBox* list : valueLists) list->ResetContent();
    for (fw::ComboBox* list : weaponLists) list->ResetContent();

    table::WalkUnitLines(m_document, [&](const table::UnitLineValues& unit) {
        const int index = m_unitList->AddString(unit.name);
        m_unitList->SetItemData(index, static_cast<std::uint32_t>(unit.lineNumber));
        for (int i = 0; i < unit.tableValueCount; ++i) Offer(*valueLists[i], unit.tableValues[i]);
        // The weapon types: searched in the first list, added to all five.
        for (int i = 0; i < unit.weaponTypeCount; ++i) {
            const std::string& value = unit.weaponTypes[i];
            if (weaponLists[0]->FindStringExact(-1, value) >= 0) continue;
            for (fw::ComboBox* list : weaponLists) list->AddString(value);
        }
    });
    return 1;
}

int CUnitEditorDlg::ReplaceLine(int lineNumber, const std::string& text) {
    return m_document.ReplaceLine(lineNumber, text);
}

void CUnitEditorDlg::OnFileSaveAs() { SaveTableAs(); }

int CUnitEditorDlg::SaveTableAs() {
    if (!m_bTableLoaded) return 0;
    fw::Platform& platform = GetPlatform();
    const fw::FileDialogResult chosen =
        platform.modal.RunFileDialog(TableDialog(false, m_pathLastDir, m_pathFileName), this);
    if (!chosen.ok) return 0;

    m_pathFileName = chosen.fileName;
    StoreFolderSetting("LastDir", m_pathLastDir, fw::FolderOf(chosen.path));

    // The file about to be replaced is set aside once per folder as
    // "weapon.org"; an existing backup is never replaced or refreshed. The
    // save never leaves the chosen file missing, empty or half written: on
    // failure it stays as it was.
    fw::SaveError failure;
    if (!platform.files.SaveTable(chosen.path, std::string_view(m_document.data(), m_document.size()), &failure)) {
        if (failure.kind == fw::SaveError::Kind::Open)
            platform.modal.MessageBox(fw::Cp932FromUtf8(kOpenFailed), fw::kIconStop, this);
        else
            fw::ReportFileError(platform.modal, this, failure.path, failure.systemError);
        return 0;
    }
    return 1;
}

}  // namespace kelvor
