// The conversion of code page 932 text to and from Unicode, for every place
// that shows table text outside the table: the window's widgets and the
// command-line tool's terminal. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvor::table {

// Decodes code page 932 bytes. A byte sequence that is no character of the
// code page becomes one U+FFFD per bad character (a lead byte with a trail
// byte after it counts as one); nothing is dropped.
std::u16string Utf16FromCp932(std::string_view bytes);
std::string Utf8FromCp932(std::string_view bytes);

// Encodes to code page 932. A character the code page cannot hold becomes
// '?'. Characters with a second Unicode form (wave dash, double vertical
// line, minus sign, cent, pound, not sign, em dash) are taken in either form.
std::string Cp932FromUtf16(std::u16string_view text);
// Invalid UTF-8 counts as characters the code page cannot hold.
std::string Cp932FromUtf8(std::string_view utf8);

// The text with every character that has a second Unicode form in the form
// code page 932 holds.
std::u16string CanonicalCp932Forms(std::u16string_view text);

// The offset of the first character of bytes that code page 932 does not
// hold (one the decoder would show as U+FFFD), or npos when every one is a
// character of the code page. Fast: a table lookup per byte.
std::size_t FindInvalidCp932(std::string_view bytes);

}  // namespace kelvor::table
