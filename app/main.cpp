#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstring>

#include "app/unit_editor_app.h"
#include "res/resources.h"

int main(int argc, char* argv[]) {
    // Answered before any window system is needed, so it works from a
    // terminal without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        const auto& v = kelvor::res::Version().productVersion;
        std::printf("Kelvor %u.%u.%u.%u\n", unsigned{v[0]}, unsigned{v[1]}, unsigned{v[2]}, unsigned{v[3]});
        return 0;
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVOR_APP_ID));
    // One optional file: a table to open, or a single-unit file to import.
    QCommandLineParser arguments;
    arguments.addPositionalArgument(QStringLiteral("file"), QStringLiteral("weapon.dat or a .kmv file"));
    arguments.process(application);
    kelvor::CUnitEditorApp app;
    return app.InitInstance(arguments.positionalArguments().value(0));
}
