#include "app/unit_editor_app.h"

#include <QApplication>
#include <QTimer>

#include "app/framework/language.h"
#include "app/framework/platform.h"
#include "app/unit_editor_dlg.h"

namespace kelvor {

CUnitEditorApp::CUnitEditorApp() = default;
CUnitEditorApp::~CUnitEditorApp() = default;

int CUnitEditorApp::InitInstance(const QString& file) {
    // The per-user profile lives under the company key and the program's name.
    fw::SettingsProfile profile("orvan");
    fw::QtModalServices modal;
    fw::FileService files;
    fw::Platform platform{modal, profile, files};

    // The program and Qt's own dialogs speak the language chosen in the
    // window, or else the system's.
    fw::UseLanguage(CUnitEditorDlg::ChosenLanguage(profile));

    CUnitEditorDlg window(platform);
    window.show();
    // Opened once the window is up, so that its questions have an owner.
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.OpenFromOutside(fw::ToPath(file)); });
    return QApplication::exec();
}

}  // namespace kelvor
