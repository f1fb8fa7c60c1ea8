// Showing a unit and applying it through the real main window on the
// offscreen platform, on demo tables of 1 MiB and 32 MiB: SelectUnit of the
// last unit (the walk from the start of the text, the parse and every
// control filled) and Apply of it (the form read back, the line composed
// and put in place, the list entry renewed).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_window.h"
#include "tools/demo_table.h"

namespace {

using namespace kelvor;

// The main window with a demo table of `bytes` bytes opened through File ›
// Open, and its last unit shown.
class OpenedTable {
public:
    explicit OpenedTable(std::size_t bytes) : window_(demo::DemoLargeTable(bytes)) {
        Dlg().OnFileOpen();
        last_ = Dlg().Units().Count() - 1;
        Dlg().SelectUnit(last_);
    }
    CUnitEditorDlg& Dlg() { return window_.Dlg(); }
    int Last() const { return last_; }

private:
    bench::BenchWindow window_;
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
    for (auto _ : state) table.Dlg().OnApply();
    if (std::string(table.Dlg().Document().view()) != before) state.SkipWithError("Apply changed the table");
}
BENCHMARK(BM_ApplyLastUnit)->Arg(1 << 20)->Arg(32 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
