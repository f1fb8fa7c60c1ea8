// File › Open through the real main window on the offscreen platform: the
// file read, the walk over every line and the unit list and table-value
// lists filled.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_window.h"

namespace {

using namespace kelvor;

// A table of about `bytes` bytes: headings, then unit lines of 194 fields
// with a few dozen distinct table values.
std::string MakeTable(std::size_t bytes) {
    std::string table = "; unit table\r\nname,kind\r\n\r\n";
    for (int unit = 0; table.size() < bytes; ++unit) {
        std::string line = "Unit" + std::to_string(unit) + ",\x81\x9b";
        for (int field = 2; field < 194; ++field) {
            line += ',';
            if (field >= 3 && field <= 6) line += "type" + std::to_string((unit + field) % 7);
            else if (field == 31 || field == 32) line += "extra" + std::to_string(unit % 5);
            else if (field >= 64 && field <= 144 && (field - 64) % 20 == 0) line += "weapon" + std::to_string((unit * 3 + field) % 23);
            else if (field >= 25 && field <= 30) line += "00000010";
            else line += std::to_string((unit * 31 + field * 7) % 100);
        }
        table += line + "\r\n";
    }
    return table;
}

void BM_OpenTable(benchmark::State& state) {
    bench::BenchWindow window(MakeTable(static_cast<std::size_t>(state.range(0))));
    CUnitEditorDlg& dlg = window.Dlg();
    for (auto _ : state) dlg.OnFileOpen();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.counters["units"] = dlg.Units().Count();
}
BENCHMARK(BM_OpenTable)->Arg(1 << 20)->Arg(32 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
