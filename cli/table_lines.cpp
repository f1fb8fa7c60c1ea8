#include "cli/table_lines.h"

#include "cli/messages.h"

namespace kelvor::cli {

const char* LineEndName(LineEnd end) {
    switch (end) {
    case LineEnd::CrLf: return "CR LF";
    case LineEnd::Lf: return "LF";
    case LineEnd::CrCrLf: return "CR CR LF";
    case LineEnd::None: break;
    }
    return "none";
}

TableLine NextLine(std::string_view text, std::size_t& from, int number) {
    TableLine line;
    line.number = number;
    const char* start = text.data() + from;
    const std::size_t left = text.size() - from;
    const void* lf = std::memchr(start, '\n', left);
    std::size_t length = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : left;
    from += lf ? length + 1 : length;
    if (!lf) {
        line.end = LineEnd::None;
        if (length >= 1 && start[length - 1] == '\r') length -= 1;  // its CR still ends its last field
    } else if (length >= 2 && start[length - 1] == '\r' && start[length - 2] == '\r') {
        line.end = LineEnd::CrCrLf;
        length -= 2;
    } else if (length >= 1 && start[length - 1] == '\r') {
        line.end = LineEnd::CrLf;
        length -= 1;
    } else {
        line.end = LineEnd::Lf;
    }
    line.text = std::string_view(start, length);
    return line;
}

bool IsUnitLine(std::string_view line) {
    return table::IsUnitLine(table::Cursor{line.data(), line.data() + line.size()}) != 0;
}

bool FindUnitLine(std::string_view text, int unitNumber, TableLine& line, std::string& reason) {
    const long long lineNumber = static_cast<long long>(unitNumber) + 2;
    std::size_t from = 0;
    bool found = false;
    for (int n = 0; !found && from < text.size() && n <= lineNumber; ++n) {
        line = NextLine(text, from, n);
        found = n == lineNumber;
    }
    if (found && IsUnitLine(line.text)) return true;
    reason = Say(found            ? "has no unit {1}: line {2} is no unit line"
                 : lineNumber < 0 ? "has no unit {1}: line {2} is no line (lines count from 0)"
                                  : "has no unit {1}: line {2} is past its last line",
                 {std::to_string(unitNumber), std::to_string(lineNumber)});
    return false;
}

namespace {

// Fields up to the first CR: the editor's own reading, a byte at a time.
void SplitFieldsBeforeCr(std::string_view line, UnitFields& out) {
    const char* p = line.data();
    const char* end = p + line.size();
    for (;;) {
        const char* q = p;
        while (q < end && *q != ',' && *q != '\r') ++q;
        if (out.count < table::kFieldCount)
            out.field[static_cast<std::size_t>(out.count)] = std::string_view(p, static_cast<std::size_t>(q - p));
        ++out.count;
        if (q < end && *q == ',') {
            p = q + 1;
            continue;
        }
        out.strayCr = q < end;  // a CR before the line's end
        return;
    }
}

}  // namespace

void SplitFields(std::string_view line, UnitFields& out) {
    out.count = 0;
    out.strayCr = false;
    if (std::memchr(line.data(), '\r', line.size())) {
        SplitFieldsBeforeCr(line, out);
        return;
    }
    // Without a CR every comma ends a field.
    int count = 0;
    ForEachCommaField(line, [&](std::string_view field) {
        if (count < table::kFieldCount) out.field[static_cast<std::size_t>(count)] = field;
        ++count;
    });
    out.count = count;
}

}  // namespace kelvor::cli
