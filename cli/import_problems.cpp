#include "cli/import_problems.h"

namespace kelvor::cli {

namespace {

using unitfile::ImportProblem;

struct ProblemText {
    ImportProblem problem;
    const char* text;  // {line}, {fields} and {lines} stand for the details
};

constexpr ProblemText kTexts[] = {
    {ImportProblem::NoComma, "its first line holds no comma between a line number and a unit line"},
    {ImportProblem::BadLineNumber, "the line number before the first comma is not plain digits"},
    {ImportProblem::StrayLineBreak, "its unit line holds a CR or LF inside"},
    {ImportProblem::WrongFieldCount, "its unit line has {fields} fields, not 194"},
    {ImportProblem::EmptyName, "its unit line has an empty name (field 0)"},
    {ImportProblem::NoUnitMarker, "field 1 of its unit line is not \"○\""},
    {ImportProblem::EmptyLastField, "the last field (193) of its unit line is empty"},
    {ImportProblem::NoSuchLine, "it names line {line}, which the table does not have (it has {lines} lines)"},
    {ImportProblem::NotAUnitLine, "it names line {line}, which is no unit line of the table"},
};

void Fill(std::string& text, const std::string& key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

}  // namespace

std::string ImportProblemReason(const unitfile::ImportCheck& check) {
    for (const ProblemText& entry : kTexts) {
        if (entry.problem != check.problem) continue;
        std::string text = entry.text;
        // A line number too large for an int names no line of any table.
        Fill(text, "{line}", check.lineNumber >= 0 ? std::to_string(check.lineNumber) : "(too large)");
        Fill(text, "{fields}", std::to_string(check.fieldCount));
        Fill(text, "{lines}", std::to_string(check.tableLines));
        return text;
    }
    return {};
}

}  // namespace kelvor::cli
