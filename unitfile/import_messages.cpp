#include "unitfile/import_messages.h"

namespace kelvor::unitfile {

namespace {

struct ProblemText {
    ImportProblem problem;
    const char* text;  // {line}, {fields} and {lines} stand for the details
};

constexpr ProblemText kTexts[] = {
    {ImportProblem::NoComma, "1行目に行番号とユニットの行を分ける「,」がありません。"},
    {ImportProblem::BadLineNumber, "行番号が半角数字ではありません。"},
    {ImportProblem::StrayLineBreak, "ユニットの行の途中に改行文字があります。"},
    {ImportProblem::WrongFieldCount, "ユニットの行の項目数が {fields} です（194 項目のはずです）。"},
    {ImportProblem::EmptyName, "ユニットの行の最初の項目（兵器名）が空です。"},
    {ImportProblem::NoUnitMarker, "ユニットの行の2番目の項目が「○」ではありません。"},
    {ImportProblem::EmptyLastField, "ユニットの行の最後の項目が空です。"},
    {ImportProblem::NoSuchLine, "行番号 {line} の行は開いている表にありません（表は {lines} 行です）。"},
    {ImportProblem::NotAUnitLine, "開いている表の行番号 {line} の行はユニットの行ではありません。"},
};

constexpr const char* kImportHeadline = "単体データファイルを読み込めません。\n";
constexpr const char* kExportHeadline =
    "このユニットを書き出しても読み込めない単体データになるため、書き出しません。\n";

void Fill(std::string& text, const std::string& key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

std::string Describe(const ImportCheck& check, const char* headline) {
    for (const ProblemText& entry : kTexts) {
        if (entry.problem != check.problem) continue;
        std::string text = std::string(headline) + entry.text;
        // A number too large for an int is no number the user would recognise.
        Fill(text, "{line}", check.lineNumber >= 0 ? std::to_string(check.lineNumber) : "(範囲外)");
        Fill(text, "{fields}", std::to_string(check.fieldCount));
        Fill(text, "{lines}", std::to_string(check.tableLines));
        return text;
    }
    return {};
}

}  // namespace

std::string ImportProblemText(const ImportCheck& check) { return Describe(check, kImportHeadline); }

std::string ExportProblemText(const ImportCheck& check) { return Describe(check, kExportHeadline); }

}  // namespace kelvor::unitfile
