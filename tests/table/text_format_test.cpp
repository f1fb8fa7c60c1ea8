// Reading, skipping and testing lines of the unit table, the unit record
// both ways, decimal fields and the movement-class names.
#include "table/text_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/table/unit_lines.h"

namespace kelvor::table {
namespace {

using testing::Join;
using testing::kSet;
using testing::UnitFields;
using testing::UnitLine;

Cursor On(const std::string& s) { return {s.data(), s.data() + s.size()}; }

// Every field ReadField gives from the cursor until it refuses.
std::vector<std::string> ReadAll(Cursor& c) {
    std::vector<std::string> out;
    std::string f;
    while (ReadField(c, f)) out.push_back(f);
    return out;
}

TEST(ReadField, FieldsEndAtCommaCrOrLfAndTheLineEndStopsReading) {
    const std::string text = "a,,b\r\nnext";
    Cursor c = On(text);
    EXPECT_EQ(ReadAll(c), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(c.pos, text.data() + 4) << "the cursor stays on the CR";
    std::string out = "kept";
    EXPECT_EQ(ReadField(c, out), 0);
    EXPECT_EQ(out, "kept");

    // A comma before the CR leaves an empty field that is never read.
    const std::string trailing = "a,\r\n";
    c = On(trailing);
    EXPECT_EQ(ReadAll(c), std::vector<std::string>{"a"});

    // A CR mid-line ends the readable fields; what follows up to LF is no field.
    const std::string midCr = "a,b\rc,d\r\n";
    c = On(midCr);
    EXPECT_EQ(ReadAll(c), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(*c.pos, '\r');

    // A line ending in LF alone ends its last field there too: nothing of
    // the next line is read, and skipping stops at the same place.
    const std::string bareLf = "a,b\nc\r\n";
    c = On(bareLf);
    EXPECT_EQ(ReadAll(c), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(*c.pos, '\n');
    c = On(bareLf);
    EXPECT_EQ(SkipFields(c, 3), 0);
    EXPECT_EQ(c.pos, bareLf.data());
    EXPECT_EQ(SkipFields(c, 2), 1);
    EXPECT_EQ(*c.pos, '\n');
}

TEST(ReadField, LongFieldsDoubleByteCharactersAndNulAreReadWhole) {
    for (std::size_t length : {255u, 256u, 257u, 300u, 5000u, 70000u}) {
        std::string field(length, 'x');
        field[length / 2] = '\0';
        const std::string text = field + ",z\r\n";
        Cursor c = On(text);
        EXPECT_EQ(ReadAll(c), (std::vector<std::string>{field, "z"})) << length;
    }
    // Second bytes 0x40, 0x5C and 0x7E: 艦載機, ソ, 表, ×.
    const std::string kanji = "\x8a\xcd\x8d\xda\x8b\x40";
    const std::string so = "\x83\x5c", hyo = "\x95\x5c", batsu = "\x81\x7e";
    const std::string text = kanji + "," + so + hyo + "," + batsu + "\r\n";
    Cursor c = On(text);
    EXPECT_EQ(ReadAll(c), (std::vector<std::string>{kanji, so + hyo, batsu}));
}

TEST(ReadField, EndOfTextEndsTheFieldAndTheLine) {
    // Texts cut from a larger buffer: the bytes after the end must never be read.
    const std::string buffer = "ab,cd,ef,gh";
    Cursor c{buffer.data(), buffer.data() + 4};  // "ab,c"
    EXPECT_EQ(ReadAll(c), (std::vector<std::string>{"ab", "c"}));
    EXPECT_EQ(c.pos, c.end);
    c = {buffer.data(), buffer.data() + 3};  // "ab," : the empty field after the comma is not there
    EXPECT_EQ(ReadAll(c), std::vector<std::string>{"ab"});
    c = {buffer.data(), buffer.data()};
    std::string out;
    EXPECT_EQ(ReadField(c, out), 0);
    EXPECT_EQ(SkipFields(c, 1), 0);
    EXPECT_EQ(IsUnitLine(c), 0);
}

TEST(SkipFields, PassesWholeFieldsOrDoesNotMoveAtAll) {
    const std::string text = "a,bb,ccc\r\nx";
    Cursor c = On(text);
    EXPECT_EQ(SkipFields(c, 0), 1);
    EXPECT_EQ(SkipFields(c, -3), 1);
    EXPECT_EQ(c.pos, text.data());
    EXPECT_EQ(SkipFields(c, 4), 0);
    EXPECT_EQ(c.pos, text.data()) << "a failed skip leaves the cursor where it was";
    EXPECT_EQ(SkipFields(c, 2), 1);
    EXPECT_EQ(c.pos, text.data() + 5);
    EXPECT_EQ(SkipFields(c, 1), 1) << "passing the last field lands on the CR";
    EXPECT_EQ(*c.pos, '\r');
    EXPECT_EQ(SkipFields(c, 1), 0);
    EXPECT_EQ(*c.pos, '\r');

    const std::string open = "a,b";  // no line end at all
    c = On(open);
    EXPECT_EQ(SkipFields(c, 3), 0);
    EXPECT_EQ(c.pos, open.data());
    EXPECT_EQ(SkipFields(c, 2), 1);
    EXPECT_EQ(c.pos, c.end);
}

TEST(SkipLine, LandsAfterTheNextLfOrAtTheEnd) {
    const std::string text = "abc\r\nde\n\nf";
    Cursor c{text.data() + 1, text.data() + text.size()};
    EXPECT_EQ(SkipLine(c), 1);
    EXPECT_EQ(c.pos, text.data() + 5);
    c.pos = text.data() + 7;  // on the LF of "de"
    SkipLine(c);
    EXPECT_EQ(c.pos, text.data() + 8);
    SkipLine(c);  // the blank line
    EXPECT_EQ(*c.pos, 'f');
    EXPECT_EQ(SkipLine(c), 1);
    EXPECT_EQ(c.pos, c.end);
    EXPECT_EQ(SkipLine(c), 1);
    EXPECT_EQ(c.pos, c.end);
}

TEST(IsUnitLine, NeedsANameAndExactlyTheMarkerSecond) {
    struct Case { std::string text; int unit; };
    const Case cases[] = {
        {"tank," + kSet + ",1\r\n", 1},
        {"tank," + kSet + "\r\n", 1},
        {"tank," + kSet, 1},  // the last line of a text, without line end
        {"\x8a\xcd," + kSet + ",x\r\n", 1},
        {"\r\n", 0},
        {"", 0},
        {"," + kSet + ",1\r\n", 0},
        {kSet + "\r\n", 0},
        {kSet, 0},
        {"tank\r\n", 0},
        {"tank,\x81\x7e,1\r\n", 0},  // ×
        {"tank," + kSet + " ,1\r\n", 0},
        {"tank, " + kSet + ",1\r\n", 0},
        {"tank," + kSet + kSet + ",1\r\n", 0},
        {"tank,\x81\r\n", 0},
        {"tank,,\x81\x9b\r\n", 0},
        {"tank\r," + kSet + "\r\n", 0},
        {"tank\n," + kSet + "\r\n", 0},  // the line "tank" has one field
        {"tank," + kSet + "\n", 1},
    };
    for (const Case& t : cases) {
        const Cursor c = On(t.text);
        EXPECT_EQ(IsUnitLine(c), t.unit) << t.text;
    }
    // The marker cut off by the end of the text.
    const std::string whole = "tank," + kSet;
    EXPECT_EQ(IsUnitLine({whole.data(), whole.data() + whole.size() - 1}), 0);
}

TEST(ParseUnitLine, ReadsAllFieldsAndNamesTheMovementClasses) {
    UnitRecord rec;
    std::vector<std::string> fields = UnitFields("tank");
    fields[27] = "00000011";  // no such class
    const std::string line = Join(fields) + "\r\nnext\r\n";
    ASSERT_EQ(ParseUnitLine(On(line), rec), 1);
    EXPECT_EQ(rec[0], "tank");
    EXPECT_EQ(rec[1], kSet);
    EXPECT_EQ(rec[24], "v24");
    EXPECT_EQ(rec[25], "\x82\xc8\x82\xb5");
    EXPECT_EQ(rec[26], "\x8a\xcd\x8d\xda\x8b\x40");
    EXPECT_EQ(rec[27], "error");
    EXPECT_EQ(rec[28], "\x83\x77\x83\x8a");
    EXPECT_EQ(rec[29], "\x8f\x64\x8e\xd4\x97\xbc");
    EXPECT_EQ(rec[30], "\x83\x7a\x83\x6f\x81\x5b");
    EXPECT_EQ(rec[193], "v193");

    // Further fields are ignored.
    ASSERT_EQ(ParseUnitLine(On(UnitLine("long", 196)), rec), 1);
    EXPECT_EQ(rec[0], "long");
    EXPECT_EQ(rec[193], "v193");
    // The last line of a text may lack its line end.
    const std::string open = Join(UnitFields("open"));
    ASSERT_EQ(ParseUnitLine(On(open), rec), 1);
    EXPECT_EQ(rec[193], "v193");
}

TEST(ParseUnitLine, ShortOrEmptyEndedLinesFailAndRefillOnlyWhatWasRead) {
    UnitRecord rec;
    rec.fill("old");
    EXPECT_EQ(ParseUnitLine(On("heading,x,y\r\n"), rec), 0);
    for (const std::string& entry : rec) EXPECT_EQ(entry, "old") << "no unit line leaves the record untouched";

    ASSERT_EQ(ParseUnitLine(On(UnitLine("short", 193)), rec), 0);
    EXPECT_EQ(rec[0], "short");
    EXPECT_EQ(rec[25], "00000000") << "no names are given on a failed parse";
    EXPECT_EQ(rec[192], "v192");
    EXPECT_EQ(rec[193], "old");

    // The 194th field empty: the line ends in a comma before CR LF.
    std::vector<std::string> fields = UnitFields("empty-last");
    fields[193].clear();
    rec.fill("old");
    EXPECT_EQ(ParseUnitLine(On(Join(fields) + "\r\n"), rec), 0);
    EXPECT_EQ(rec[192], "v192");
    EXPECT_EQ(rec[193], "old");
    EXPECT_EQ(ParseUnitLine(On(Join(fields)), rec), 0) << "nor at the end of the text";
}

TEST(ComposeUnitLine, RoundTripsAndWritesCodesForNames) {
    UnitRecord rec;
    const std::string line = Join(UnitFields("tank"));
    ASSERT_EQ(ParseUnitLine(On(line + "\r\n"), rec), 1);
    std::string out;
    ASSERT_EQ(ComposeUnitLine(rec, out), 1);
    EXPECT_EQ(out, line);

    // Fields past 193 are not written back.
    ASSERT_EQ(ParseUnitLine(On(UnitLine("long", 196)), rec), 1);
    ASSERT_EQ(ComposeUnitLine(rec, out), 1);
    EXPECT_EQ(out, Join(UnitFields("long")));

    // Every name gives its code; an unknown one, "error" included, gives 00000000.
    for (const MovementClass& mc : MovementClasses()) {
        rec[28] = mc.name;
        ASSERT_EQ(ComposeUnitLine(rec, out), 1);
        UnitRecord back;
        ASSERT_EQ(ParseUnitLine(On(out), back), 1);
        EXPECT_EQ(back[28], mc.name);
        EXPECT_NE(out.find(std::string(",") + mc.code + ","), std::string::npos) << mc.code;
    }
    for (const char* unknown : {"error", "", "vtol", "00100000"}) {
        rec[26] = unknown;
        ASSERT_EQ(ComposeUnitLine(rec, out), 1);
        std::vector<std::string> expected = UnitFields("long");
        expected[26] = "00000000";
        expected[28] = "00000001";
        EXPECT_EQ(out, Join(expected)) << unknown;
    }

    // Empty entries still make 194 fields.
    UnitRecord blank;
    ASSERT_EQ(ComposeUnitLine(blank, out), 1);
    EXPECT_EQ(out, std::string(25, ',') + "00000000," + "00000000," + "00000000," + "00000000," + "00000000," +
                       "00000000" + std::string(163, ','));
}

TEST(ComposeUnitLine, RefusesEntriesThatWouldNotStayOneField) {
    UnitRecord rec;
    ASSERT_EQ(ParseUnitLine(On(UnitLine("tank")), rec), 1);
    for (const char* bad : {"a,b", "a\r", "\nb", ","}) {
        for (int field : {0, 100, 193}) {
            UnitRecord changed = rec;
            changed[static_cast<std::size_t>(field)] = bad;
            std::string out = "unchanged";
            EXPECT_EQ(ComposeUnitLine(changed, out), 0) << field;
            EXPECT_EQ(out, "unchanged");
        }
    }
    // Double-byte characters whose second byte looks like ASCII are fine.
    rec[0] = "\x83\x5c\x95\x5c\x81\x7e";
    std::string out;
    ASSERT_EQ(ComposeUnitLine(rec, out), 1);
    EXPECT_EQ(out.substr(0, 7), rec[0] + ",");
}

TEST(ParseDecimal, OnlyPlainDigitsThatFitGiveTheirValue) {
    struct Case { const char* text; int value; };
    const Case cases[] = {
        {"", 0},          {"0", 0},           {"007", 7},          {"123", 123},
        {"-5", 0},        {"+5", 0},          {"12 ", 0},          {" 12", 0},
        {"1a", 0},        {"\x82\x50\x82\x51", 0},                 // １２
        {"2147483647", 2147483647},           {"2147483648", 0},   {"4294967296", 0},
        {"99999999999999999999999", 0},       {"0000000000000000000042", 42},
    };
    for (const Case& t : cases) EXPECT_EQ(ParseDecimal(t.text), t.value) << t.text;
    EXPECT_EQ(ParseDecimal(std::string_view("12\0", 3)), 0);
}

TEST(MovementClass, NamesAndCodesPairBothWays) {
    ASSERT_EQ(MovementClasses().size(), 9u);
    EXPECT_STREQ(MovementClasses()[0].code, "00000000");
    EXPECT_STREQ(MovementClasses()[8].code, "00000001");
    for (const MovementClass& mc : MovementClasses()) {
        EXPECT_EQ(MovementClassName(mc.code), mc.name);
        EXPECT_EQ(MovementClassCode(mc.name), mc.code);
    }
    for (const char* code : {"00000011", "0000000", "000000000", "", "11111111", "0000000 "})
        EXPECT_EQ(MovementClassName(code), "error") << code;
    EXPECT_EQ(MovementClassName("01100000"), "VTOL");
    EXPECT_EQ(MovementClassCode("error"), "00000000");
    EXPECT_EQ(MovementClassCode("vtol"), "00000000");
}

}  // namespace
}  // namespace kelvor::table
