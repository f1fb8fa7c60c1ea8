// A record shown in the form's members and taken back: the normalisations
// by kind, the fields capture never writes, the reading of short lines and
// the checks of text fields.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "form/record_capture.h"
#include "form/record_display.h"
#include "form/record_layout.h"
#include "form/text_checks.h"

namespace kelvor::form {
namespace {

const std::string kSet = table::kMarkSet, kClear = table::kMarkClear;

// A well-formed record: every integer "1", every flag "×", movement "なし".
table::UnitRecord PlainRecord() {
    table::UnitRecord rec;
    for (const FieldLayout& f : RecordLayout()) {
        std::string& v = rec[static_cast<std::size_t>(f.field)];
        switch (f.kind) {
        case FieldKind::Text: v = "name"; break;
        case FieldKind::Integer: v = "1"; break;
        case FieldKind::Flag: v = kClear; break;
        case FieldKind::MovementClass: v = table::MovementClassName("00000000"); break;
        case FieldKind::TableValue: v = "t"; break;
        case FieldKind::Marker: v = kSet; break;
        }
    }
    return rec;
}

std::optional<std::string> NothingSelected(int) { return std::nullopt; }

TEST(RecordMembers, ShowingAndTakingBackNormaliseIntegersAndFlags) {
    table::UnitRecord rec = PlainRecord();
    const std::map<int, std::string> integers = {
        {2, "007"}, {7, "-5"}, {8, " 5"}, {19, "5a"}, {20, ""}, {21, "\x82\x50\x82\x51"} /* full-width 12 */,
        {52, "2147483648"}, {189, "2147483647"}, {24, "1000000"}};
    for (const auto& [field, text] : integers) rec[static_cast<std::size_t>(field)] = text;
    rec[9] = kSet;
    rec[10] = "";
    rec[11] = "x";
    rec[12] = kSet + " ";

    FormMembers members;
    MembersFromRecord(rec, members);
    EXPECT_EQ(members.number[2], 7);
    for (int field : {7, 8, 19, 20, 21, 52}) EXPECT_EQ(members.number[static_cast<std::size_t>(field)], 0) << field;
    EXPECT_EQ(members.number[189], 2147483647);
    EXPECT_EQ(members.number[9], 1);
    for (int field : {10, 11, 12}) EXPECT_EQ(members.number[static_cast<std::size_t>(field)], 0) << field;
    EXPECT_EQ(members.text[0], "name");

    table::UnitRecord out = rec;
    RecordFromMembers(members, NothingSelected, out);
    EXPECT_EQ(out[2], "7");
    for (int field : {7, 8, 19, 20, 21, 52}) EXPECT_EQ(out[static_cast<std::size_t>(field)], "0") << field;
    EXPECT_EQ(out[189], "2147483647");
    EXPECT_EQ(out[24], "1000000");
    EXPECT_EQ(out[9], kSet);
    for (int field : {10, 11, 12}) EXPECT_EQ(out[static_cast<std::size_t>(field)], kClear) << field;

    members.number[52] = -5;  // taken from a box without a range
    RecordFromMembers(members, NothingSelected, out);
    EXPECT_EQ(out[52], "-5");
}

TEST(RecordMembers, CaptureTakesListsSelectionsKeepsUnselectedValuesAndNeverTheMarker) {
    table::UnitRecord rec = PlainRecord();
    rec[1] = "marker as parsed";
    rec[27] = "error";  // a code no class has
    rec[31] = "brought in";
    FormMembers members;
    MembersFromRecord(rec, members);
    members.text[0] = "renamed";
    const SelectedItemText selected = [](int field) -> std::optional<std::string> {
        if (field == 25) return "VTOL";
        if (field == 84) return "Gun";
        if (field == 27 || field == 31) return std::nullopt;
        return "t";
    };
    RecordFromMembers(members, selected, rec);
    EXPECT_EQ(rec[0], "renamed");
    EXPECT_EQ(rec[1], "marker as parsed");
    EXPECT_EQ(rec[25], "VTOL");
    EXPECT_EQ(rec[84], "Gun");
    EXPECT_EQ(rec[27], "error");
    EXPECT_EQ(rec[31], "brought in");

    std::string line;
    ASSERT_EQ(table::ComposeUnitLine(rec, line), 1);
    EXPECT_NE(line.find(",01100000,00000000,00000000,"), std::string::npos);  // fields 25 to 27
}

TEST(ReadUnitRecord, ShortLinesAreReadIntoAnEmptiedRecordWithTheirCodesNamed) {
    std::string full, shortLine = "S," + kSet;
    for (int f = 0; f < 196; ++f) full += (f ? "," : "") + (f == 1 ? kSet : f == 25 ? "00000010" : "9");
    for (int f = 2; f < 30; ++f) shortLine += f == 25 ? ",00000001" : ",8";
    table::DocumentText text;
    ASSERT_TRUE(text.Assign("head\r\n" + full + "\r\n" + shortLine + "\r\n" + "x,y\r\n"));

    table::UnitRecord rec;
    EXPECT_EQ(ReadUnitRecord(text, 1, rec), 194);  // fields after the 194th are not in the record
    EXPECT_EQ(rec[25], table::MovementClassName("00000010"));
    EXPECT_EQ(rec[193], "9");

    EXPECT_EQ(ReadUnitRecord(text, 2, rec), 30);
    EXPECT_EQ(rec[0], "S");
    EXPECT_EQ(rec[25], table::MovementClassName("00000001"));
    EXPECT_EQ(rec[24], "8");
    EXPECT_EQ(rec[29], "error");  // "8" is no code
    for (int f = 30; f < 194; ++f) EXPECT_EQ(rec[static_cast<std::size_t>(f)], "") << f;

    EXPECT_EQ(ReadUnitRecord(text, 3, rec), 0);  // no unit line
    EXPECT_EQ(rec[0], "");
}

TEST(TextChecks, AnEmptyNameAndTheLinesSeparatorsAreRefused) {
    EXPECT_EQ(CheckTextField(0, ""), TextRefusal::EmptyName);
    EXPECT_EQ(CheckTextField(53, ""), TextRefusal::None);  // a weapon slot may be empty
    for (const char* text : {"a,b", "a\rb", "a\n", ","})
        for (int field : {0, 53, 133}) EXPECT_EQ(CheckTextField(field, text), TextRefusal::Separator) << text << field;
    // Trail bytes 0x5C and 0x7E are parts of characters, not separators.
    EXPECT_EQ(CheckTextField(0, "\x83\x5C\x83\x7E"), TextRefusal::None);
    const char32_t characters[] = {0x301C, 0x1F600, 0xD55C};
    EXPECT_EQ(CodePointNames(characters), "U+301C U+1F600 U+D55C");
}

TEST(TextChecks, AnIntegerBoxTakesBlanksASignAndDigitsOnly) {
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"5", 5},      {" \t5 \t", 5},   {"+5", 5},        {"-5", -5},         {"007", 7},
        {"", {}},      {" ", {}},        {"5a", {}},       {"5 5", {}},        {"+", {}},
        {"--5", {}},   {"0x10", {}},     {"2147483647", 2147483647},          {"2147483648", {}},
        {"-2147483648", -2147483647 - 1}, {"-2147483649", {}}, {"99999999999999999999", {}},
        // Full-width digits, minus and space as an input method types them
        // (code page 932); commas of either width are no part of a number.
        {"\x82\x50\x82\x51\x82\x4F", 120}, {"\x81\x7C\x82\x58", -9}, {"\x81\x40\x82\x55", 6},
        {"1,000", {}}, {"\x82\x50\x81\x43\x82\x4F", {}}, {"\x82\x60", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseFormInteger(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace kelvor::form
