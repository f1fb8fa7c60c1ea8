// Character boundaries, case-ignoring comparison and boundary-true search
// over code page 932 bytes.
#include "table/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvor::table {
namespace {

std::string Char(unsigned code) {
    if (code < 0x100) return std::string(1, static_cast<char>(code));
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

TEST(Cp932, LeadBytes) {
    int leads = 0;
    for (unsigned b = 0; b < 256; ++b) leads += IsLeadByte(static_cast<unsigned char>(b));
    EXPECT_EQ(leads, 31 + 29);
    for (unsigned b : {0x81u, 0x9Fu, 0xE0u, 0xFCu}) EXPECT_TRUE(IsLeadByte(b)) << b;
    for (unsigned b : {0x00u, 0x41u, 0x80u, 0xA0u, 0xB1u, 0xDFu, 0xFDu, 0xFFu}) EXPECT_FALSE(IsLeadByte(b)) << b;
}

TEST(Cp932, EveryCapitalFoldsOntoItsSmallLetter) {
    struct Alphabet { unsigned capital, small; int count; };
    const Alphabet alphabets[] = {
        {'A', 'a', 26},
        {0x8260, 0x8281, 26},  // full-width Latin
        {0x839F, 0x83BF, 24},  // Greek
    };
    for (const Alphabet& a : alphabets)
        for (int i = 0; i < a.count; ++i) {
            const std::string capital = Char(a.capital + i), small = Char(a.small + i);
            EXPECT_TRUE(EqualsIgnoreCase(capital, small)) << std::hex << a.capital + i;
            EXPECT_EQ(FoldCase(capital), small);
            EXPECT_EQ(FoldCase(small), small);
        }
    // Cyrillic: 33 letters; the small ones skip 0x847F.
    for (int i = 0; i < 33; ++i) {
        const unsigned capital = 0x8440 + i, small = i < 15 ? 0x8470 + i : 0x8480 + (i - 15);
        EXPECT_TRUE(EqualsIgnoreCase(Char(capital), Char(small))) << std::hex << capital;
        EXPECT_EQ(FoldCase(Char(capital)), Char(small));
    }
    EXPECT_TRUE(EqualsIgnoreCase("Tank \x82\x60\x83\x9f\x84\x40", "tANK \x82\x81\x83\xbf\x84\x70"));
    EXPECT_TRUE(EqualsIgnoreCase("", ""));
}

TEST(Cp932, NothingElseFolds) {
    // Neighbours of the alphabets, full- and half-width forms, digits.
    const std::pair<std::string, std::string> different[] = {
        {"A", "\x82\x81"},                     // A and ａ
        {"\x82\x60", "a"},                     // Ａ and a
        {"@", "`"}, {"[", "{"}, {"Z", "z "},
        {Char(0x825F), Char(0x8280)},          // just below Ａ / just below ａ
        {Char(0x827A), Char(0x829B)},          // just past Ｚ
        {Char(0x83B7), Char(0x83D7)},          // just past Ω
        {Char(0x8461), Char(0x8492)},          // just past Я
        {Char(0x847F), Char(0x844F)},
        {"\xb1", "\xd1"},                      // half-width katakana
        {"abc", "abd"}, {"abc", "ab"},
    };
    for (const auto& [a, b] : different) EXPECT_FALSE(EqualsIgnoreCase(a, b)) << a << " / " << b;
    for (const std::string s : {"\xb1", "1", "@[`{", "\x82\x4f"})  // ０
        EXPECT_EQ(FoldCase(s), s);
}

TEST(Cp932, ASecondByteIsNeverFoldedOnItsOwn) {
    // ア is 0x83 0x41 ("A" as its second byte), ャ is 0x83 0x61 ("a").
    EXPECT_FALSE(EqualsIgnoreCase("\x83\x41", "\x83\x61"));
    EXPECT_EQ(FoldCase("\x83\x41X"), "\x83\x41x");
    EXPECT_FALSE(EqualsIgnoreCase("\x8a\x41\x8a\x42", "\x8a\x61\x8a\x62"));
    // Boundaries follow the text: "A" after a lone ASCII byte folds, after a lead byte does not.
    EXPECT_TRUE(EqualsIgnoreCase("xA\x83\x41", "xa\x83\x41"));
    // A lead byte at the very end has no second byte.
    EXPECT_TRUE(EqualsIgnoreCase("A\x83", "a\x83"));
    EXPECT_EQ(FoldCase("A\x83"), "a\x83");
    for (const auto& [a, b] : {std::pair<std::string, std::string>{"\x83\x41", "\x83\x41"}, {"Q\x83", "q\x83"}})
        EXPECT_EQ(EqualsIgnoreCase(a, b), FoldCase(a) == FoldCase(b));
}

TEST(Cp932, SearchMatchesOnlyAtCharacterBoundaries) {
    const std::size_t npos = std::string_view::npos;
    // ソ is 0x83 0x5C: its second byte is a backslash.
    const std::string so = "\x83\x5c";
    EXPECT_EQ(FindAtCharBoundary("a" + so + "\\b", "\\"), 3u);
    EXPECT_EQ(FindAtCharBoundary(so, "\\"), npos);
    EXPECT_EQ(FindAtCharBoundary("\x83\x41", "A"), npos);  // ア
    EXPECT_EQ(FindAtCharBoundary("\x83\x41" "A", "A"), 2u);
    // A match starting on a second byte is passed over for a later real one.
    const std::string hay = "\x83\x83\x41" "\x83\x41";  // ャ, A, ア: the bytes of ア first appear at 1
    EXPECT_EQ(FindAtCharBoundary(hay, "\x83\x41"), 3u);
    EXPECT_EQ(FindAtCharBoundary("\x8a\xcd\x8d\xda\x8b\x40", "\x8d\xda"), 2u);
    EXPECT_EQ(FindAtCharBoundary("\x8a\xcd\x8d\xda\x8b\x40", "\xcd\x8d"), npos);
    // Exact: case and width count.
    EXPECT_EQ(FindAtCharBoundary("Tank", "tank"), npos);
    EXPECT_EQ(FindAtCharBoundary("\x82\x60", "A"), npos);
    EXPECT_EQ(FindAtCharBoundary("Tank", "Tank"), 0u);
    EXPECT_EQ(FindAtCharBoundary("Tank", "nk"), 2u);
    EXPECT_EQ(FindAtCharBoundary("Tank", "Tanks"), npos);
    EXPECT_EQ(FindAtCharBoundary("Tank", ""), 0u);
    EXPECT_EQ(FindAtCharBoundary("", "a"), npos);
    EXPECT_EQ(FindAtCharBoundary("ab\x83", "\x83"), 2u);
}

}  // namespace
}  // namespace kelvor::table
