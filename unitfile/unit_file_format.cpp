#include "unitfile/unit_file_format.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "table/cp932_codec.h"

namespace kelvor::unitfile {

namespace {

// Plain ASCII digits to a line number; -1 when it does not fit an int.
// The caller has made sure the text is all digits.
int LineNumberOf(std::string_view digits) {
    long long value = 0;
    for (char ch : digits) {
        value = value * 10 + (ch - '0');
        if (value > INT_MAX) return -1;
    }
    return static_cast<int>(value);
}

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// The fields of a unit line split at every comma.
int CountFields(std::string_view line) {
    const auto commas = std::count(line.begin(), line.end(), ',');
    return commas >= INT_MAX ? INT_MAX : static_cast<int>(commas) + 1;
}

// The checks of the unit line on its own.
ImportProblem CheckUnitLine(std::string_view line, ImportCheck& check) {
    if (line.find_first_of("\r\n") != std::string_view::npos) return ImportProblem::StrayLineBreak;
    if (line.find('\0') != std::string_view::npos) return ImportProblem::HoldsNul;
    if (table::FindInvalidCp932(line) != std::string_view::npos) return ImportProblem::NotCodePage932;
    check.fieldCount = CountFields(line);
    if (check.fieldCount != table::kFieldCount) return ImportProblem::WrongFieldCount;
    const std::size_t firstComma = line.find(',');
    if (firstComma == 0) return ImportProblem::EmptyName;
    const std::size_t secondStart = firstComma + 1;
    const std::size_t secondEnd = line.find(',', secondStart);
    if (line.substr(secondStart, secondEnd - secondStart) != table::kMarkSet) return ImportProblem::NoUnitMarker;
    if (line.back() == ',') return ImportProblem::EmptyLastField;
    return ImportProblem::None;
}

}  // namespace

std::string UnitFileName(int unitNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "unit%04d.kmv", unitNumber);
    return name;
}

int ComposeUnitFile(int lineNumber, const table::UnitRecord& stored, std::string& text) {
    std::string unitLine;
    if (!table::JoinUnitFields(stored, unitLine)) return 0;
    text = std::to_string(lineNumber) + ',' + unitLine;
    return 1;
}

std::string_view UnitFileLine(std::string_view bytes) {
    std::string_view line = bytes.substr(0, bytes.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

int CountLines(std::string_view text) {
    long long lines = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && lines < INT_MAX) {
        const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        p = lf ? static_cast<const char*>(lf) + 1 : end;
        ++lines;
    }
    return static_cast<int>(lines);
}

ImportCheck CheckUnitFile(std::string_view line, const table::DocumentText& table) {
    ImportCheck check;
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        check.problem = ImportProblem::NoComma;
        return check;
    }
    const std::string_view number = line.substr(0, comma);
    check.unitLine = line.substr(comma + 1);
    if (!AllDigits(number)) {
        check.problem = ImportProblem::BadLineNumber;
        return check;
    }
    check.lineNumber = LineNumberOf(number);

    check.problem = CheckUnitLine(check.unitLine, check);
    if (!check.ok()) return check;

    const table::Cursor target = table.LineStart(std::max(check.lineNumber, 0));
    if (check.lineNumber < 0 || target.pos >= target.end) {
        check.problem = ImportProblem::NoSuchLine;
        check.tableLines = CountLines(table.view());
    } else if (!table::IsUnitLine(target)) {
        check.problem = ImportProblem::NotAUnitLine;
    }
    return check;
}

}  // namespace kelvor::unitfile
