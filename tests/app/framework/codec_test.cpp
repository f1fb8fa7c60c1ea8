#include <gtest/gtest.h>

#include "app/framework/codec.h"

namespace kelvor::fw {
namespace {

TEST(Codec, RoundTripsTextOfTheCodePage) {
    // ASCII, half-width kana, kanji, full-width letters, the wave dash.
    const std::string bytes = "Halvane,\xB1\xB2\xB3,\x95\xBA\x8A\xED,\x82\x60\x82\x81,\x81\x60,\\~";
    const QString text = FromCp932(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Halvane,ｱｲｳ,兵器,Ａａ,～,\\~"));
    EXPECT_EQ(ToCp932(text), bytes);
    EXPECT_EQ(Cp932FromUtf8("兵器データファイルの選択"), ToCp932(QString::fromUtf8("兵器データファイルの選択")));
}

TEST(Codec, BadBytesBecomeOneReplacementEachAndNothingIsDropped) {
    // 0xA0 and 0xFD are no characters; 0x85 0x40 is an unassigned pair; a
    // lead byte before a non-trail byte, and one cut off at the end.
    const QString text = FromCp932(std::string_view("A\xA0" "B\xFD" "C\x85\x40" "D\x83 E\x83", 12));
    EXPECT_EQ(text, QString::fromUtf8("A\uFFFDB\uFFFDC\uFFFDD\uFFFD E\uFFFD"));
}

TEST(Codec, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(ToCp932(QString::fromUtf8("a한b")), "a?b");
    EXPECT_EQ(ToCp932(QString::fromUtf8("a\U0001F600b")), "a?b");  // one '?' for a surrogate pair
}

TEST(Codec, CharactersWithTwoUnicodeFormsEncodeEitherWay) {
    EXPECT_EQ(ToCp932(QString(QChar(0x301C))), "\x81\x60");  // wave dash
    EXPECT_EQ(ToCp932(QString(QChar(0xFF5E))), "\x81\x60");  // full-width tilde
    EXPECT_EQ(ToCp932(QString(QChar(0x2212))), "\x81\x7C");  // minus sign
    EXPECT_EQ(ToCp932(QString(QChar(0x2016))), "\x81\x61");  // double vertical line
}

TEST(Codec, CharactersOutsideTheCodePageAreNamedOnceEachInOrder) {
    EXPECT_TRUE(CharactersOutsideCp932(QString::fromUtf8("兵器ｱ\\~\u301C\u2014\u2212\u00AC?")).empty());
    // Yen sign and overline would come back as a backslash and a tilde.
    EXPECT_EQ(CharactersOutsideCp932(QString::fromUtf8("a\u00A5b한\u00A5\U0001F600\u203E")),
              (std::vector<char32_t>{0xA5, 0xD55C, 0x1F600, 0x203E}));
}

}  // namespace
}  // namespace kelvor::fw
