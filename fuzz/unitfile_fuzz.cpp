// Arbitrary single-unit files (and tables) through the import's reading and
// checks. A file the checks pass must be safe to put into the table: the
// line it names is a unit line before and after, the table keeps its line
// count and every other byte, and the new line parses whole and exports
// back to a file that passes again. A refused file must say why. Any broken
// promise aborts, so the fuzzer reports it with its input.
//
// Input: the file's bytes, then 0x1E and the table's bytes; without 0x1E
// the whole input is the file and the table is a small built-in one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "table/document.h"
#include "table/text_format.h"
#include "unitfile/import_messages.h"
#include "unitfile/unit_file_format.h"

namespace kelvor::unitfile {
namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::string UnitLine(const std::string& name) {
    std::string line = name + "," + table::kMarkSet;
    for (int i = 2; i < table::kFieldCount; ++i)
        line += "," + std::string(i >= 25 && i <= 30 ? "00000110" : std::to_string(i));
    return line;
}

// Headings, a blank line, two units, a note and a last unit without line end.
const std::string& BuiltInTable() {
    static const std::string text = "; units\r\nname,mark\r\n\r\n" + UnitLine("Tank") + "\r\n" + UnitLine("Jeep") +
                                    "\r\nnote,x\r\n" + UnitLine("Boat");
    return text;
}

table::DocumentText& Reused() {
    static table::DocumentText doc;
    return doc;
}

std::size_t LineStart(std::string_view text, int line) {
    std::size_t at = 0;
    for (int i = 0; i < line; ++i) at = text.find('\n', at) + 1;
    return at;
}

void CheckReadLine(std::string_view file, std::string_view line) {
    const std::size_t lf = std::min(file.find('\n'), file.size());
    Check(file.substr(0, line.size()) == line && line.find('\n') == std::string_view::npos);
    if (line.size() == lf) Check(lf == 0 || file[lf - 1] != '\r');
    else Check(line.size() + 1 == lf && file[lf - 1] == '\r');
}

void CheckRefused(const ImportCheck& check, std::string_view line, const table::DocumentText& doc) {
    Check(!ImportProblemText(check).empty());
    const bool comma = line.find(',') != std::string_view::npos;
    Check((check.problem == ImportProblem::NoComma) == !comma);
    if (check.problem == ImportProblem::NoSuchLine)
        Check(check.lineNumber < 0 || check.lineNumber >= CountLines(doc.view()));
    if (check.problem == ImportProblem::NotAUnitLine) {
        Check(check.lineNumber >= 0 && check.lineNumber < CountLines(doc.view()));
        Check(!table::IsUnitLine(doc.LineStart(check.lineNumber)));
    }
}

void CheckImport(std::string_view file, std::string_view text) {
    const std::string_view line = UnitFileLine(file);
    CheckReadLine(file, line);

    table::DocumentText& doc = Reused();
    Check(doc.Assign(text));
    const ImportCheck check = CheckUnitFile(line, doc);
    Check(doc.view() == text);
    if (!check.ok()) {
        CheckRefused(check, line, doc);
        return;
    }

    // Passed: the line number is the stored one, the target a unit line.
    const std::size_t comma = line.find(',');
    Check(check.unitLine == line.substr(comma + 1));
    Check(check.lineNumber == table::ParseDecimal(line.substr(0, comma)));
    const int lines = CountLines(text);
    Check(check.lineNumber >= 0 && check.lineNumber < lines);
    Check(table::IsUnitLine(doc.LineStart(check.lineNumber)));

    // The replacement keeps every other byte and the line count.
    const std::size_t from = LineStart(text, check.lineNumber);
    const std::size_t lf = text.find('\n', from);
    const std::size_t to = lf == std::string_view::npos ? text.size() : lf + 1;
    Check(doc.ReplaceLine(check.lineNumber, check.unitLine) == 1);
    const std::string expected =
        std::string(text.substr(0, from)) + std::string(check.unitLine) + "\r\n" + std::string(text.substr(to));
    Check(doc.view() == expected);
    Check(CountLines(doc.view()) == lines);

    // The new line parses whole, and exporting its fields as stored gives a
    // file that passes with the same unit line.
    table::UnitRecord record;
    Check(table::ParseUnitLine(doc.LineStart(check.lineNumber), record) == 1);
    table::Cursor c = doc.LineStart(check.lineNumber);
    for (std::string& field : record) Check(table::ReadField(c, field) == 1);
    std::string exported;
    Check(ComposeUnitFile(check.lineNumber, record, exported) == 1);
    const ImportCheck again = CheckUnitFile(UnitFileLine(exported), doc);
    Check(again.ok() && again.lineNumber == check.lineNumber);
    Check(again.unitLine == check.unitLine);
}

}  // namespace
}  // namespace kelvor::unitfile

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvor::unitfile;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = bytes.find('\x1e');
    if (cut == std::string_view::npos)
        CheckImport(bytes, BuiltInTable());
    else
        CheckImport(bytes.substr(0, cut), bytes.substr(cut + 1));
    return 0;
}
