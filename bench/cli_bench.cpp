// kelvor-cli on 32 MiB tables, from reading the files to the finished
// report (and, for merge, the saved result): the demo generator's large
// table, a copy with one field changed in every hundredth unit, another
// with another field changed in other units, and a copy with one line
// removed. Reading the table once is measured beside them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <unistd.h>

#include "cli/commands.h"
#include "cli/table_input.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace {

using kelvor::table::Path;

constexpr std::size_t kMiB = 1024 * 1024;

// Field `field` of every line whose number leaves `remainder` divided by 100 becomes `value`.
std::string Edited(std::string_view text, int remainder, int field, std::string_view value) {
    std::string edited;
    edited.reserve(text.size());
    for (int line = 0; !text.empty(); ++line) {
        const std::string_view whole = text.substr(0, text.find('\n') + 1);  // the rest when there is no LF
        text.remove_prefix(whole.size());
        if (line % 100 != remainder) {
            edited += whole;
            continue;
        }
        std::size_t from = 0;
        for (int i = 0; i < field; ++i) from = whole.find(',', from) + 1;
        edited.append(whole.substr(0, from)).append(value).append(whole.substr(whole.find(',', from)));
    }
    return edited;
}

std::string WithoutLine(std::string text, int line) {
    std::size_t at = 0;
    for (int i = 0; i < line; ++i) at = text.find('\n', at) + 1;
    return text.erase(at, text.find('\n', at) + 1 - at);
}

struct Tables {
    Path folder, table, ours, theirs, shorter, merged;
    Tables() {
        folder = std::filesystem::temp_directory_path() / ("kelvor_cli_bench_" + std::to_string(::getpid()));
        table = folder / "weapon.dat";
        ours = folder / "ours.dat";
        theirs = folder / "theirs.dat";
        shorter = folder / "shorter.dat";
        merged = folder / "merged" / "weapon.dat";
        const std::string text = kelvor::demo::DemoLargeTable(32 * kMiB);
        kelvor::demo::WriteFileBytes(table, text);
        kelvor::demo::WriteFileBytes(ours, Edited(text, 50, 8, "1"));     // Durability
        kelvor::demo::WriteFileBytes(theirs, Edited(text, 75, 24, "10"));  // Price
        kelvor::demo::WriteFileBytes(shorter, WithoutLine(text, 1000));
        std::filesystem::create_directories(merged.parent_path());
    }
    ~Tables() { std::filesystem::remove_all(folder); }
};

const Tables& Files() {
    static const Tables tables;
    return tables;
}

// A stream that counts what it is given and keeps nothing, as a terminal
// or pipe takes a report of any length.
class Discard : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

void BM_Read32MiB(benchmark::State& state) {
    const Tables& t = Files();
    for (auto _ : state) {
        kelvor::table::DocumentText text;
        std::string reason;
        benchmark::DoNotOptimize(kelvor::cli::LoadTable(t.table, text, reason));
    }
}
BENCHMARK(BM_Read32MiB)->Unit(benchmark::kMillisecond);

void BM_Check32MiB(benchmark::State& state) {
    const Tables& t = Files();
    for (auto _ : state) {
        std::ostringstream out, err;
        kelvor::cli::Output output{out, err, state.range(0) != 0};
        benchmark::DoNotOptimize(kelvor::cli::RunCheck(t.table, std::nullopt, false, output));
    }
}
BENCHMARK(BM_Check32MiB)->Arg(0)->Arg(1)->ArgName("json")->Unit(benchmark::kMillisecond);

// against: 0 the table itself, 1 the copy with edited units, 2 the copy with a line removed.
void BM_Diff32MiB(benchmark::State& state) {
    const Tables& t = Files();
    const Path& other = state.range(0) == 0 ? t.table : state.range(0) == 1 ? t.ours : t.shorter;
    for (auto _ : state) {
        std::ostringstream out, err;
        kelvor::cli::Output output{out, err, false};
        benchmark::DoNotOptimize(kelvor::cli::RunDiff(t.table, other, output));
    }
}
BENCHMARK(BM_Diff32MiB)->Arg(0)->Arg(1)->Arg(2)->ArgName("against")->Unit(benchmark::kMillisecond);

// Two sets of edits to other units, merged and saved through the safe save.
void BM_Merge32MiB(benchmark::State& state) {
    const Tables& t = Files();
    for (auto _ : state) {
        std::ostringstream out, err;
        kelvor::cli::Output output{out, err, false};
        benchmark::DoNotOptimize(kelvor::cli::RunMerge({t.table, t.ours, t.theirs, t.merged, false}, output));
    }
}
BENCHMARK(BM_Merge32MiB)->Unit(benchmark::kMillisecond);

void BM_Text32MiB(benchmark::State& state) {
    const Tables& t = Files();
    Discard discard;
    for (auto _ : state) {
        std::ostream out(&discard);
        std::ostringstream err;
        kelvor::cli::Output output{out, err, false};
        benchmark::DoNotOptimize(kelvor::cli::RunText(t.table, output));
    }
}
BENCHMARK(BM_Text32MiB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
