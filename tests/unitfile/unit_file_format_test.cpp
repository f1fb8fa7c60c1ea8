// The single-unit file format: the name offered, the text written, the line
// read back, and every check an import makes before it changes anything.
#include "unitfile/unit_file_format.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/table/unit_lines.h"
#include "unitfile/import_messages.h"

namespace kelvor::unitfile {
namespace {

using table::testing::Split;
using table::testing::Join;
using table::testing::UnitFields;
using table::testing::UnitLine;

table::DocumentText Table(const std::string& bytes) {
    table::DocumentText t;
    EXPECT_TRUE(t.Assign(bytes));
    return t;
}

// Lines 0 and 1 are headings, line 2 is blank, lines 3 and 4 are units, the
// last one without a line end.
const std::string kTable = "; units\r\nname,mark\r\n\r\n" + UnitLine("Tank") + Join(UnitFields("Jeep"));

TEST(UnitFile, NameHoldsTheUnitNumberInAtLeastFourDigits) {
    EXPECT_EQ(UnitFileName(0), "unit0000.kmv");
    EXPECT_EQ(UnitFileName(100), "unit0100.kmv");
    EXPECT_EQ(UnitFileName(12345), "unit12345.kmv");
    EXPECT_EQ(UnitFileName(-1), "unit-001.kmv");
}

TEST(UnitFile, ComposedTextIsTheLineNumberAndTheFieldsAsStored) {
    std::vector<std::string> fields = UnitFields("Tank");
    fields[27] = "00000011";  // no movement class: written as it is stored
    table::UnitRecord record;
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = fields[i];

    std::string text;
    ASSERT_EQ(ComposeUnitFile(102, record, text), 1);
    const std::vector<std::string> written = Split(text);
    ASSERT_EQ(written.size(), 195u);
    EXPECT_EQ(written[0], "102");
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(text, "102," + Join(fields));

    // A record that would not stay 194 fields is never written.
    record[5] = "a,b";
    text = "kept";
    EXPECT_EQ(ComposeUnitFile(3, record, text), 0);
    EXPECT_EQ(text, "kept");
}

TEST(UnitFile, ReadLineStopsAtTheFirstLineFeedAndDropsTheCarriageReturnBeforeIt) {
    EXPECT_EQ(UnitFileLine("3,a\r\n4,b\r\n"), "3,a");
    EXPECT_EQ(UnitFileLine("3,a\n"), "3,a");
    EXPECT_EQ(UnitFileLine("3,a"), "3,a");
    EXPECT_EQ(UnitFileLine("3,a\r"), "3,a");
    EXPECT_EQ(UnitFileLine("3,a\r\r\n"), "3,a\r");  // only one CR belongs to the line end
    EXPECT_EQ(UnitFileLine(""), "");
    EXPECT_EQ(UnitFileLine("\n3,a"), "");
}

TEST(UnitFile, AWellFormedFileForAUnitLinePasses) {
    const table::DocumentText t = Table(kTable);
    const std::string unit = Join(UnitFields("New"));
    for (const auto& [line, number] : std::vector<std::pair<std::string, int>>{
             {"3," + unit, 3}, {"0004," + unit, 4}}) {
        const ImportCheck check = CheckUnitFile(line, t);
        EXPECT_TRUE(check.ok()) << line.substr(0, 8) << " " << static_cast<int>(check.problem);
        EXPECT_EQ(check.lineNumber, number);
        EXPECT_EQ(check.unitLine, unit);
        EXPECT_EQ(ImportProblemText(check), "");
    }
}

TEST(UnitFile, EveryRefusedFileNamesItsProblem) {
    const table::DocumentText t = Table(kTable);
    const std::string unit = Join(UnitFields("New"));
    std::vector<std::string> noMark = UnitFields("New");
    noMark[1] = "\x81\x7e";  // ×
    std::vector<std::string> lastEmpty = UnitFields("New");
    lastEmpty[193] = "";
    struct Case {
        std::string line;
        ImportProblem problem;
    };
    const Case cases[] = {
        {"", ImportProblem::NoComma},
        {"3 New\x81\x9b", ImportProblem::NoComma},
        {"," + unit, ImportProblem::BadLineNumber},
        {"-3," + unit, ImportProblem::BadLineNumber},
        {" 3," + unit, ImportProblem::BadLineNumber},
        {"\x82\x52," + unit, ImportProblem::BadLineNumber},  // full-width 3
        {"3," + Join(UnitFields("New", 100)) + "\r" + Join(UnitFields("x", 94)), ImportProblem::StrayLineBreak},
        {"3," + unit + "\r", ImportProblem::StrayLineBreak},
        {"3," + Join(UnitFields(std::string("N\0w", 3))), ImportProblem::HoldsNul},
        {"3," + Join(UnitFields("N\x85\x40w")), ImportProblem::NotCodePage932},
        {"3," + Join(UnitFields("New", 193)), ImportProblem::WrongFieldCount},
        {"3," + Join(UnitFields("New", 195)), ImportProblem::WrongFieldCount},
        {"3," + Join(UnitFields("", 194)), ImportProblem::EmptyName},
        {"3," + Join(noMark), ImportProblem::NoUnitMarker},
        {"3," + Join(lastEmpty), ImportProblem::EmptyLastField},
        {"5," + unit, ImportProblem::NoSuchLine},
        {"99999999999," + unit, ImportProblem::NoSuchLine},
        {"0," + unit, ImportProblem::NotAUnitLine},
        {"2," + unit, ImportProblem::NotAUnitLine},
    };
    std::set<std::string> texts;
    for (const Case& c : cases) {
        const ImportCheck check = CheckUnitFile(c.line, t);
        EXPECT_EQ(check.problem, c.problem) << c.line.substr(0, 12);
        const std::string text = ImportProblemText(check);
        EXPECT_NE(text, "");
        texts.insert(text);
    }
    // The details a user needs to mend the file are in the message.
    EXPECT_EQ(CheckUnitFile("3," + Join(UnitFields("New", 195)), t).fieldCount, 195);
    EXPECT_NE(ImportProblemText(CheckUnitFile("3," + Join(UnitFields("New", 193)), t)).find("193"), std::string::npos);
    const ImportCheck beyond = CheckUnitFile("5," + unit, t);
    EXPECT_EQ(beyond.tableLines, 5);
    EXPECT_NE(ImportProblemText(beyond).find("5 行"), std::string::npos);
    EXPECT_EQ(CheckUnitFile("99999999999," + unit, t).lineNumber, -1);
    // An empty table has no line at all.
    EXPECT_EQ(CheckUnitFile("0," + unit, Table("")).problem, ImportProblem::NoSuchLine);
    EXPECT_GE(texts.size(), 11u);  // one distinct text per problem
}

TEST(UnitFile, EveryProblemReadsInBothLanguagesAndTheWindowAddsItsHeadline) {
    std::set<std::string> english;
    for (int value = 1; value <= static_cast<int>(ImportProblem::NotAUnitLine); ++value) {
        ImportCheck check;
        check.problem = static_cast<ImportProblem>(value);
        const std::string japanese = ImportProblemReason(check, MessageLanguage::Japanese);
        english.insert(ImportProblemReason(check, MessageLanguage::English));
        EXPECT_TRUE(ImportProblemText(check).ends_with(japanese) && ExportProblemText(check).ends_with(japanese));
    }
    english.erase("");
    EXPECT_EQ(english.size(), static_cast<std::size_t>(ImportProblem::NotAUnitLine));  // one text each
    ImportCheck beyond;  // a line number past an int
    beyond.problem = ImportProblem::NoSuchLine;
    EXPECT_NE(ImportProblemReason(beyond, MessageLanguage::English).find("line (too large)"), std::string::npos);
    EXPECT_NE(ImportProblemText(beyond).find("行番号 (範囲外) の行"), std::string::npos);
}

}  // namespace
}  // namespace kelvor::unitfile
