#include "app/unit_editor_app.h"

#include <QApplication>

#include "app/framework/platform.h"
#include "app/framework/qt_texts.h"
#include "app/unit_editor_dlg.h"

namespace kelvor {

CUnitEditorApp::CUnitEditorApp() = default;
CUnitEditorApp::~CUnitEditorApp() = default;

int CUnitEditorApp::InitInstance() {
    // Qt's own dialogs speak the program's language.
    fw::UseJapaneseQtTexts();

    // The per-user profile lives under the company key and the program's name.
    fw::SettingsProfile profile("orvan");
    fw::QtModalServices modal;
    fw::FileService files;
    fw::Platform platform{modal, profile, files};

    CUnitEditorDlg window(platform);
    window.show();
    return QApplication::exec();
}

}  // namespace kelvor
