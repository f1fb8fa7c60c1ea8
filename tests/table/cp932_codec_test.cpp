// Code page 932 to Unicode and back, and the check that finds what the code
// page does not hold, which must agree with what decoding shows as U+FFFD.
#include "table/cp932_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvor::table {
namespace {

TEST(Cp932Codec, RoundTripsTextOfTheCodePageThroughUtf8) {
    // ASCII, half-width kana, kanji, full-width letters, the wave dash, and
    // the trail bytes 0x5C and 0x7E of ソ and ミ.
    const std::string bytes = "Halvane,\xB1\xB2\xB3,\x95\xBA\x8A\xED,\x82\x60\x82\x81,\x81\x60,\\~,\x83\x5C\x83\x7E";
    EXPECT_EQ(Utf8FromCp932(bytes), "Halvane,ｱｲｳ,兵器,Ａａ,～,\\~,ソミ");
    EXPECT_EQ(Cp932FromUtf8(Utf8FromCp932(bytes)), bytes);
    EXPECT_EQ(Cp932FromUtf8("a한b\xF0\x9F\x98\x80" "c\xFF"), "a?b?c?");  // lacking, a surrogate pair, bad UTF-8
    EXPECT_EQ(Cp932FromUtf8("\u301C\u2212"), "\x81\x60\x81\x7C");  // second forms of ～ and －
}

TEST(Cp932Codec, TheValidityCheckFindsExactlyWhatDecodesAsAReplacement) {
    // 0xA0, 0xFD and 0x80 are no characters; 0x85 0x40 is an unassigned
    // pair; a lead byte before a non-trail byte, and one cut off at the end.
    struct Case { std::string bytes; std::size_t bad; } cases[] = {
        {"\x95\xBA\x8A\xED abc \xB1", std::string::npos},
        {"A\xA0", 1}, {"AB\xFD", 2}, {"\x80", 0}, {"C\x85\x40", 1}, {"\x82\xA0\x83 E", 2}, {"EE\x83", 2},
        {std::string("\0,\x87\x40", 4), std::string::npos},  // NUL is ASCII; 0x87 0x40 is ①
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindInvalidCp932(c.bytes), c.bad) << c.bytes;
        const bool shownWhole = Utf8FromCp932(c.bytes).find("\uFFFD") == std::string::npos;
        EXPECT_EQ(shownWhole, c.bad == std::string::npos) << c.bytes;
    }
    // Every two-byte pair the check passes decodes without a replacement.
    for (unsigned lead : {0x81u, 0x85u, 0x88u, 0xEBu, 0xF0u, 0xFCu})
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string two{static_cast<char>(lead), static_cast<char>(trail)};
            const bool valid = FindInvalidCp932(two) == std::string::npos;
            EXPECT_EQ(valid, Utf8FromCp932(two).find("\uFFFD") == std::string::npos) << lead << " " << trail;
        }
}

}  // namespace
}  // namespace kelvor::table
