#include "app/unit_editor_dlg.h"

#include "app/about_dlg.h"
#include "app/default_folders.h"
#include "app/framework/codec.h"
#include "form/form_lists.h"
#include "res/control_ids.h"
#include "res/resources.h"

namespace kelvor {

namespace {

constexpr const char* kSection = "InitData";

}  // namespace

CUnitEditorDlg::CUnitEditorDlg(fw::Platform& platform, fw::Dialog* parent)
    : fw::Dialog(res::kIdUnitForm, parent, platform) {
    MapMessages();
}

CUnitEditorDlg::~CUnitEditorDlg() = default;

void CUnitEditorDlg::MapMessages() {
    MapCommand(res::kCmdFileOpen, [this] { OnFileOpen(); });
    MapCommand(res::kCmdFileSaveAs, [this] { OnFileSaveAs(); });
    MapCommand(res::kCmdImportUnit, [this] { OnImportUnit(); });
    MapCommand(res::kCmdExportUnit, [this] { OnExportUnit(); });
    MapCommand(res::kCmdSearch, [this] { OnSearch(); });
    MapCommand(res::kIdApply, [this] { OnApply(); });
    MapCommand(res::kIdJumpTransform, [this] { OnJumpTransform(); });
    MapCommand(res::kIdJumpMi, [this] { OnJumpMi(); });
    MapSelChange(res::kIdUnitList, [this] { OnSelchangeUnitList(); });
}

int CUnitEditorDlg::OnInitDialog() {
    // 1. The base binds the lists and puts the members into the form.
    fw::Dialog::OnInitDialog();

    // 2. The About entry at the end of the window menu.
    if (fw::SystemMenu* menu = GetSystemMenu()) {
        const std::string about = fw::LoadString(res::kIdAboutEntry);
        if (!about.empty()) {
            menu->AppendSeparator();
            menu->AppendEntry(res::kSysCmdAbout, about);
        }
    }

    // 3. The window icon, large and small.
    SetIcon(res::kIdAppIcon);

    // 4. The three folder settings.
    const DefaultFolders defaults = GetDefaultFolders();
    fw::Profile& profile = GetPlatform().profile;
    m_pathSystemBitmapDir = profile.GetProfilePath(kSection, "SystemBitmapDir", defaults.systemBitmaps);
    m_pathUnitBitmapDir = profile.GetProfilePath(kSection, "UnitBitmapDir", defaults.unitBitmaps);
    m_pathLastDir = profile.GetProfilePath(kSection, "LastDir", defaults.game);

    // 5. The file name the file dialogs offer first.
    m_pathFileName = "weapon.dat";

    // 6. No table yet.
    m_nLinePosition = 0;
    m_nCurrentIndex = 0;
    m_bTableLoaded = 0;
    m_bSheetLoaded = 0;
    m_bUnitLoaded = 0;

    // 7. The movement-class lists, and every box shows its member.
    FillMovementClassLists();
    UpdateData(0);

    // 8. The first control that takes the focus gets it.
    return 1;
}

void CUnitEditorDlg::FillMovementClassLists() { form::FillMovementClassLists(m_lists); }

void CUnitEditorDlg::DoDataExchange(fw::DataExchange& dx) { form::ExchangeUnitForm(dx, m_form, m_lists, m_unitList); }

void CUnitEditorDlg::OnSysCommand(unsigned id, long param) {
    if ((id & 0xFFF0u) == res::kSysCmdAbout) {
        CAboutDlg about(GetPlatform(), this);
        about.DoModal();
        return;
    }
    fw::Dialog::OnSysCommand(id, param);
}

void CUnitEditorDlg::OnPaint() {
    // While minimised the window shows the application icon; the picture
    // panel is drawn in every case.
    if (IsIconic()) DrawIconCentred(res::kIdAppIcon);
    DrawPicturePanel();
}

int CUnitEditorDlg::OnQueryDragIcon() { return res::kIdAppIcon; }

void CUnitEditorDlg::StoreFolderSetting(const char* entry, fw::Path& member, const fw::Path& value) {
    member = value;
    GetPlatform().profile.WriteProfilePath(kSection, entry, value);
}


}  // namespace kelvor
