// kelvor-cli check and diff on 32 MiB tables, from reading the files to the
// finished report: the demo generator's large table, against itself and
// against a copy with one field changed in every hundredth unit.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>

#include "cli/commands.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace {

using kelvor::table::Path;

constexpr std::size_t kMiB = 1024 * 1024;

struct Tables {
    Path folder, table, edited;
    Tables() {
        folder = std::filesystem::temp_directory_path() / ("kelvor_cli_bench_" + std::to_string(::getpid()));
        table = folder / "weapon.dat";
        edited = folder / "edited.dat";
        std::string text = kelvor::demo::DemoLargeTable(32 * kMiB);
        kelvor::demo::WriteFileBytes(table, text);
        // Field 8 (Durability) of every hundredth line becomes "1".
        std::size_t at = 0;
        for (int line = 0; at < text.size(); ++line) {
            const std::size_t end = text.find('\n', at);
            if (line % 100 == 50) {
                std::size_t field = at;
                for (int i = 0; i < 8; ++i) field = text.find(',', field) + 1;
                text.replace(field, text.find(',', field) - field, "1");
            }
            at = text.find('\n', at) + 1;
            if (end == std::string::npos) break;
        }
        kelvor::demo::WriteFileBytes(edited, text);
    }
    ~Tables() { std::filesystem::remove_all(folder); }
};

const Tables& Files() {
    static const Tables tables;
    return tables;
}

void BM_Check32MiB(benchmark::State& state) {
    const Tables& t = Files();
    for (auto _ : state) {
        std::ostringstream out, err;
        kelvor::cli::Output output{out, err, state.range(0) != 0};
        benchmark::DoNotOptimize(kelvor::cli::RunCheck(t.table, std::nullopt, output));
    }
}
BENCHMARK(BM_Check32MiB)->Arg(0)->Arg(1)->ArgName("json")->Unit(benchmark::kMillisecond);

void BM_Diff32MiB(benchmark::State& state) {
    const Tables& t = Files();
    const Path& other = state.range(0) ? t.edited : t.table;
    for (auto _ : state) {
        std::ostringstream out, err;
        kelvor::cli::Output output{out, err, false};
        benchmark::DoNotOptimize(kelvor::cli::RunDiff(t.table, other, output));
    }
}
BENCHMARK(BM_Diff32MiB)->Arg(0)->Arg(1)->ArgName("edited")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
