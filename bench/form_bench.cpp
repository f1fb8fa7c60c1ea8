// Showing a unit and applying it through the real main window on the
// offscreen platform, on demo tables of 1 MiB and 32 MiB: SelectUnit of the
// last unit (the walk from the start of the text, the parse and every
// control filled) and Apply of it (the form read back, the line composed
// and put in place, the list entry renewed).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QLineEdit>
#include <QUndoStack>

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

// Types a durability into the shown unit, as the user would, and applies it.
void ApplyDurability(CUnitEditorDlg& dlg, int value) {
    auto* box = static_cast<QLineEdit*>(dlg.Control(1023));
    box->selectAll();
    box->insert(QString::number(value));
    dlg.OnApply();
}

// Undo and redo of an Apply of the last unit: the line put back and the
// unit shown again, each way.
void BM_UndoRedoApplyOfLastUnit(benchmark::State& state) {
    OpenedTable table(static_cast<std::size_t>(state.range(0)));
    ApplyDurability(table.Dlg(), 201);
    for (auto _ : state) {
        table.Dlg().OnUndo();
        table.Dlg().OnRedo();
    }
    state.counters["steps"] = table.Dlg().UndoStack()->count();
}
BENCHMARK(BM_UndoRedoApplyOfLastUnit)->Arg(32 << 20)->Unit(benchmark::kMillisecond);

// What 1,000 undo steps of Apply hold on a 32 MiB table, beyond the table.
void BM_MemoryOfAThousandSteps(benchmark::State& state) {
    OpenedTable table(32 << 20);
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 1000; ++i) ApplyDurability(table.Dlg(), 1 + i % 250);
        state.counters["held_MiB"] = static_cast<double>(mallinfo2().uordblks - before) / (1 << 20);
        state.counters["steps"] = table.Dlg().UndoStack()->count();
    }
}
BENCHMARK(BM_MemoryOfAThousandSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
