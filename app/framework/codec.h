// The one text codec of the program: code page 932 bytes inside, QString
// only at the widget boundary.
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "table/cp932_codec.h"

namespace kelvor::fw {

// Decodes code page 932 bytes. A byte sequence that is no character of the
// code page becomes one U+FFFD per bad character; nothing is dropped.
QString FromCp932(std::string_view bytes);

// Encodes to code page 932. A character the code page cannot hold becomes
// '?'. Characters with a second Unicode form (wave dash, double vertical
// line, minus sign, cent, pound, not sign, em dash) are taken in either form.
std::string ToCp932(const QString& text);

// The characters of text that code page 932 cannot hold, each once, in the
// order they first appear: those ToCp932 would turn into '?' or into a
// different character. The second forms above count as held.
std::vector<char32_t> CharactersOutsideCp932(const QString& text);

// For the program's own texts written as UTF-8 literals (messages, titles,
// filters, file names), and for tests.
using table::Cp932FromUtf8;
using table::Utf8FromCp932;

}  // namespace kelvor::fw
