#include "bench/bench_window.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace kelvor::bench {

BenchWindow::BenchWindow(const std::string& table) {
    const QString file = dir_.filePath(QStringLiteral("weapon.dat"));
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(table.data(), static_cast<qint64>(table.size()));
    out.close();
    modal_ = std::make_unique<ChooseFile>(fw::ToPath(file));
    profile_ = std::make_unique<fw::SettingsProfile>(
        fw::IniFilePath{fw::ToPath(dir_.filePath(QStringLiteral("profile.ini")))});
    platform_ = std::make_unique<fw::Platform>(fw::Platform{*modal_, *profile_, files_});
    dlg_ = std::make_unique<CUnitEditorDlg>(*platform_);
}

BenchWindow::~BenchWindow() = default;

}  // namespace kelvor::bench

// The window benchmarks run on the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
