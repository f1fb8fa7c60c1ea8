// Showing a unit and applying it through the real main window on the
// offscreen platform, on demo tables of 1 MiB and 32 MiB: SelectUnit of the
// last unit (the walk from the start of the text, the parse and every
// control filled) and Apply of it (the form read back, the line composed
// and put in place, the list entry renewed).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/framework/files.h"
#include "app/framework/paths.h"
#include "app/framework/profile.h"
#include "app/unit_editor_dlg.h"
#include "bench/choose_file_modal.h"
#include "res/control_ids.h"
#include "tools/demo_table.h"

namespace {

using namespace kelvor;

// The main window with a demo table of `bytes` bytes opened through File ›
// Open, and its last unit shown.
class OpenedTable {
public:
    explicit OpenedTable(std::size_t bytes) {
        const QString file = dir_.filePath(QStringLiteral("weapon.dat"));
        const std::string table = demo::DemoLargeTable(bytes);
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(table.data(), static_cast<qint64>(table.size()));
        out.close();
        modal_ = std::make_unique<bench::ChooseFile>(fw::ToPath(file));
        profile_ = std::make_unique<fw::SettingsProfile>(
            fw::IniFilePath{fw::ToPath(dir_.filePath(QStringLiteral("profile.ini")))});
        platform_ = std::make_unique<fw::Platform>(fw::Platform{*modal_, *profile_, files_});
        dlg_ = std::make_unique<CUnitEditorDlg>(*platform_);
        dlg_->Create();
        dlg_->SendCommand(res::kCmdFileOpen);
        last_ = dlg_->GetListBox(res::kIdUnitList).GetCount() - 1;
        dlg_->SelectUnit(last_);
    }
    CUnitEditorDlg& Dlg() { return *dlg_; }
    int Last() const { return last_; }

private:
    QTemporaryDir dir_;
    fw::FileService files_;
    std::unique_ptr<bench::ChooseFile> modal_;
    std::unique_ptr<fw::SettingsProfile> profile_;
    std::unique_ptr<fw::Platform> platform_;
    std::unique_ptr<CUnitEditorDlg> dlg_;
    int last_ = 0;
};

void BM_SelectLastUnit(benchmark::State& state) {
    OpenedTable table(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) table.Dlg().SelectUnit(table.Last());
    state.counters["units"] = table.Last() + 1;
}
BENCHMARK(BM_SelectLastUnit)->Arg(1 << 20)->Arg(32 << 20)->Unit(benchmark::kMillisecond);

void BM_ApplyLastUnit(benchmark::State& state) {
    OpenedTable table(static_cast<std::size_t>(state.range(0)));
    const std::string before(table.Dlg().Document().view());
    for (auto _ : state) table.Dlg().SendCommand(res::kIdApply);
    if (std::string(table.Dlg().Document().view()) != before) state.SkipWithError("Apply changed the table");
}
BENCHMARK(BM_ApplyLastUnit)->Arg(1 << 20)->Arg(32 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
