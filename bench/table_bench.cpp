// The table library on synthetic tables of 1 MiB and 32 MiB held in memory:
// the walk the lists are built from, finding the last line, and replacing
// the first line (which moves the whole rest of the text).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "table/document.h"
#include "table/text_format.h"
#include "table/unit_walk.h"

namespace {

using namespace kelvor::table;

constexpr std::size_t kMiB = 1024 * 1024;

// One unit line of 194 fields and about 650 bytes with its CR LF.
std::string UnitLine(int unit) {
    std::string line = "unit" + std::to_string(unit) + "," + kMarkSet;
    static const char* const codes[] = {"00000000", "11100000", "00001110", "00000010"};
    for (int i = 2; i < kFieldCount; ++i) {
        line += ',';
        if (i >= 9 && i <= 18) line += (unit + i) % 3 ? kMarkSet : kMarkClear;
        else if (i >= kFirstMovementField && i <= kLastMovementField) line += codes[(unit + i) % 4];
        else if (i >= 3 && i <= 6) line += "type" + std::to_string((unit + i) % 12);
        else if (i == 64 || i == 84 || i == 104 || i == 124 || i == 144) line += "gun" + std::to_string((unit * 7 + i) % 40);
        else line += std::to_string((unit * 31 + i * 17) % 120);
    }
    return line + "\r\n";
}

// Headings, then unit lines up to `bytes`.
const DocumentText& Table(std::size_t bytes) {
    static std::vector<std::pair<std::size_t, DocumentText>> made;
    for (auto& [size, text] : made)
        if (size == bytes) return text;
    std::string s = "name,mark,flag,type\r\n\r\n; synthetic table\r\n";
    for (int unit = 0; s.size() < bytes; ++unit) s += UnitLine(unit);
    DocumentText text;
    text.Assign(s);
    made.emplace_back(bytes, std::move(text));
    return made.back().second;
}

int LineCount(const DocumentText& text) {
    int lines = 0;
    for (Cursor c = text.Begin(); c.pos < c.end; ++lines) SkipLine(c);
    return lines;
}

// The unit list's entries (name and line number) and every table value
// looked at, as the list building does.
void BM_Walk(benchmark::State& state) {
    const DocumentText& text = Table(static_cast<std::size_t>(state.range(0)) * kMiB);
    std::vector<std::pair<std::string, int>> units;
    std::size_t valueBytes = 0;
    for (auto _ : state) {
        units.clear();
        WalkUnitLines(text, [&](const UnitLineValues& v) {
            units.emplace_back(v.name, v.lineNumber);
            for (int i = 0; i < v.tableValueCount; ++i) valueBytes += v.tableValues[i].size();
            for (int i = 0; i < v.weaponTypeCount; ++i) valueBytes += v.weaponTypes[i].size();
        });
        benchmark::DoNotOptimize(units.data());
    }
    benchmark::DoNotOptimize(valueBytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["units"] = static_cast<double>(units.size());
    state.counters["line_bytes"] = static_cast<double>(text.size()) / static_cast<double>(units.size());
}

void BM_LineStartOfLastLine(benchmark::State& state) {
    const DocumentText& text = Table(static_cast<std::size_t>(state.range(0)) * kMiB);
    const int last = LineCount(text) - 1;
    for (auto _ : state) benchmark::DoNotOptimize(text.LineStart(last).pos);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// Applying a unit on the first line: the replacement alternates between one
// byte longer and the original length, so every call moves the whole tail.
void BM_ReplaceFirstLine(benchmark::State& state) {
    DocumentText text;
    text.Assign(Table(static_cast<std::size_t>(state.range(0)) * kMiB).view());
    Cursor line = text.Begin();
    SkipLine(line);
    const std::size_t lineLength = static_cast<std::size_t>(line.pos - text.data()) - 2;
    const std::string original(text.data(), lineLength);
    const std::string longer = original + "0";
    const std::size_t moved = text.size() - lineLength - 2;
    bool grow = true;
    for (auto _ : state) {
        if (!text.ReplaceLine(0, grow ? longer : original)) state.SkipWithError("ReplaceLine refused");
        grow = !grow;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * moved));
    state.counters["moved_MiB"] = static_cast<double>(moved) / kMiB;
}

BENCHMARK(BM_Walk)->Arg(1)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineStartOfLastLine)->Arg(1)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReplaceFirstLine)->Arg(1)->Arg(32)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
