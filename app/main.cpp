#include <QApplication>

#include "app/unit_editor_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kelvor::CUnitEditorApp app;
    return app.InitInstance();
}
