#include "tools/odd_tables.h"

#include <algorithm>

#include "tools/demo_random.h"
#include "tools/demo_table.h"
#include "tools/file_output.h"

namespace kelvor::demo {

namespace {

constexpr std::size_t kFiveMegabytes = 5u * 1024 * 1024;
constexpr int kShortLines = 100000;

// The field that starts after the given number of commas in a line.
std::size_t FieldStart(const std::string& line, int field) {
    std::size_t pos = 0;
    for (int i = 0; i < field && pos != std::string::npos; ++i) {
        pos = line.find(',', pos);
        if (pos != std::string::npos) ++pos;
    }
    return pos;
}

std::string Empty() { return {}; }

std::string NulBytes() {
    std::string unit = DemoUnitLine(1);
    const std::size_t name = FieldStart(unit, 53);  // first weapon name
    unit.insert(name, std::string("\0x\0", 3));
    std::string text = DemoHeadingLines() + unit + "\r\n";
    text += std::string(16, '\0') + "\r\n";
    text += DemoUnitLine(2) + "\r\n";
    return text;
}

std::string Garbage() {
    DemoRandom rng(0x6761726261676Eull);
    std::string bytes(64 * 1024, '\0');
    for (char& b : bytes) b = static_cast<char>(rng.Next() & 0xFF);
    return bytes;
}

std::string Without(char gone) {
    std::string text = DemoGameTable();
    text.erase(std::remove(text.begin(), text.end(), gone), text.end());
    return text;
}
std::string NoCr() { return Without('\r'); }
std::string NoLf() { return Without('\n'); }

std::string Line5Mb() {
    std::string unit = DemoUnitLine(1);
    const std::size_t name = FieldStart(unit, 53);
    unit.insert(name, std::string(kFiveMegabytes - unit.size(), 'W'));
    return DemoHeadingLines() + unit + "\r\n";
}

std::string ShortLines() {
    std::string text;
    text.reserve(kShortLines * 8);
    for (int i = 0; i < kShortLines; ++i) {
        if (i % 10000 == 3) text += DemoUnitLine(i);
        else if (i % 3 == 0) text += "x" + std::to_string(i);
        else if (i % 3 == 1) text += ",";
        // else: a blank line
        text += "\r\n";
    }
    return text;
}

std::string WithUnitOfFields(int count) {
    std::string odd = DemoUnitLine(2);
    if (count < 194) {
        odd.resize(FieldStart(odd, count) - 1);  // drop the comma too
    } else {
        for (int i = 194; i < count; ++i) odd += "," + std::to_string(i);
    }
    return DemoHeadingLines() + DemoUnitLine(1) + "\r\n" + odd + "\r\n" + DemoUnitLine(3) + "\r\n";
}
std::string Unit20Fields() { return WithUnitOfFields(20); }
std::string Unit400Fields() { return WithUnitOfFields(400); }

std::string NoFinalLineEnd() {
    std::string text = DemoGameTable();
    text.resize(text.size() - 2);
    return text;
}

constexpr OddTable kOdd[] = {
    {"empty.dat", Empty},
    {"nul_bytes.dat", NulBytes},
    {"garbage.dat", Garbage},
    {"no_cr.dat", NoCr},
    {"no_lf.dat", NoLf},
    {"line_5mb.dat", Line5Mb},
    {"lines_100000.dat", ShortLines},
    {"unit_20_fields.dat", Unit20Fields},
    {"unit_400_fields.dat", Unit400Fields},
    {"no_final_line_end.dat", NoFinalLineEnd},
};

}  // namespace

std::span<const OddTable> OddTables() { return kOdd; }

bool WriteOddTables(const std::filesystem::path& folder) {
    for (const OddTable& t : kOdd)
        if (!WriteFileBytes(folder / t.fileName, t.make())) return false;
    return true;
}

}  // namespace kelvor::demo
