#include "unitfile/import_messages.h"

#include <cstddef>
#include <iterator>

// A switch over ImportProblem below must name every value.
#pragma GCC diagnostic error "-Wswitch"

namespace kelvor::unitfile {

namespace {

using table::In;
using table::Texts;

struct ProblemText {
    ImportProblem problem;
    Texts texts;  // {line}, {fields} and {lines} stand for the details
};

// One row for each problem, in the order of ImportProblem (None has none).
constexpr ProblemText kTexts[] = {
    {ImportProblem::NoComma,
     {"1行目に行番号とユニットの行を分ける「,」がありません。",
      "its first line holds no comma between a line number and a unit line"}},
    {ImportProblem::BadLineNumber,
     {"行番号が半角数字ではありません。",
      "the line number before the first comma is not plain digits"}},
    {ImportProblem::StrayLineBreak,
     {"ユニットの行の途中に改行文字があります。",
      "its unit line holds a CR or LF inside"}},
    {ImportProblem::HoldsNul,
     {"ユニットの行に NUL 文字があります。",
      "its unit line holds a NUL byte"}},
    {ImportProblem::NotCodePage932,
     {"ユニットの行にシフトJISの文字でないバイトがあります。",
      "its unit line holds bytes that are no code page 932 character"}},
    {ImportProblem::WrongFieldCount,
     {"ユニットの行の項目数が {fields} です（194 項目のはずです）。",
      "its unit line has {fields} fields, not 194"}},
    {ImportProblem::EmptyName,
     {"ユニットの行の最初の項目（兵器名）が空です。",
      "its unit line has an empty name (field 0)"}},
    {ImportProblem::NoUnitMarker,
     {"ユニットの行の2番目の項目が「○」ではありません。",
      "field 1 of its unit line is not \"○\""}},
    {ImportProblem::EmptyLastField,
     {"ユニットの行の最後の項目が空です。",
      "the last field (193) of its unit line is empty"}},
    {ImportProblem::NoSuchLine,
     {"行番号 {line} の行は開いている表にありません（表は {lines} 行です）。",
      "it names line {line}, which the table does not have (it has {lines} lines)"}},
    {ImportProblem::NotAUnitLine,
     {"開いている表の行番号 {line} の行はユニットの行ではありません。",
      "it names line {line}, which is no unit line of the table"}},
};

// A line number too large for an int names no line of any table, and is no
// number the user would recognise.
constexpr Texts kOutOfRange{"(範囲外)", "(too large)"};

// Whether a value is a problem a file can have. A value of ImportProblem
// left out of the switch stops the build.
constexpr bool IsProblem(ImportProblem problem) {
    switch (problem) {
    case ImportProblem::None:
        return false;
    case ImportProblem::NoComma:
    case ImportProblem::BadLineNumber:
    case ImportProblem::StrayLineBreak:
    case ImportProblem::HoldsNul:
    case ImportProblem::NotCodePage932:
    case ImportProblem::WrongFieldCount:
    case ImportProblem::EmptyName:
    case ImportProblem::NoUnitMarker:
    case ImportProblem::EmptyLastField:
    case ImportProblem::NoSuchLine:
    case ImportProblem::NotAUnitLine:
        return true;
    }
    return false;  // no value of ImportProblem
}

// Every problem has its row at its own place, with both texts.
constexpr bool EveryProblemHasItsTexts() {
    std::size_t problems = 0;
    for (int value = 0; value < 256; ++value)
        if (IsProblem(static_cast<ImportProblem>(value))) ++problems;
    if (problems != std::size(kTexts)) return false;
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        const ProblemText& row = kTexts[i];
        if (static_cast<std::size_t>(row.problem) != i + 1 || !IsProblem(row.problem)) return false;
        if (row.texts.japanese[0] == '\0' || row.texts.english[0] == '\0') return false;
    }
    return true;
}
static_assert(EveryProblemHasItsTexts(), "each ImportProblem but None needs its row in kTexts, in the enum's order");

void Fill(std::string& text, const std::string& key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

constexpr Texts kImportHeadline{"単体データファイルを読み込めません。\n", "The single-unit file cannot be imported: "};
constexpr Texts kExportHeadline{
    "このユニットを書き出しても読み込めない単体データになるため、書き出しません。\n",
    "This unit is not exported: its single-unit file could not be imported, since "};

std::string WithHeadline(const Texts& headline, const ImportCheck& check, MessageLanguage language) {
    const std::string reason = ImportProblemReason(check, language);
    return reason.empty() ? reason : In(headline, language) + reason + (language == MessageLanguage::English ? "." : "");
}

}  // namespace

std::string ImportProblemReason(const ImportCheck& check, MessageLanguage language) {
    if (!IsProblem(check.problem)) return {};
    std::string text = In(kTexts[static_cast<std::size_t>(check.problem) - 1].texts, language);
    Fill(text, "{line}", check.lineNumber >= 0 ? std::to_string(check.lineNumber) : In(kOutOfRange, language));
    Fill(text, "{fields}", std::to_string(check.fieldCount));
    Fill(text, "{lines}", std::to_string(check.tableLines));
    return text;
}

std::string ImportProblemText(const ImportCheck& check, MessageLanguage language) {
    return WithHeadline(kImportHeadline, check, language);
}

std::string ExportProblemText(const ImportCheck& check, MessageLanguage language) {
    return WithHeadline(kExportHeadline, check, language);
}

}  // namespace kelvor::unitfile
