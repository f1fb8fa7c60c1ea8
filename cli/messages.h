// The tool's own words in the user's language: English, or Japanese where
// the locale for messages is a Japanese one (LANG=ja_JP.UTF-8). Every text
// is written in English where it is said, with {1}, {2}... for what is
// filled in; the catalogue in messages.cpp gives it in Japanese, keyed by
// that English text. Names from the table, paths, field names and the
// system's own error texts are filled in as they are.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvor::cli {

enum class Language { English, Japanese };

// The first of LC_ALL, LC_MESSAGES and LANG that is set decides: Japanese
// for "ja" or "ja_..." ("ja_JP.UTF-8"), English for anything else.
Language LanguageOfEnvironment();

// The language the tool speaks from now on (English until this is called).
void UseLanguage(Language language);
Language LanguageInUse();

// `english` in the language in use, {1}, {2}... replaced by `values` in
// their order. A text the catalogue does not know is said in English.
std::string Say(std::string_view english, std::initializer_list<std::string> values = {});

// "1 file" or "3 files": `one` for a count of one, else `many`, with {1}
// the count.
std::string Count(long long count, std::string_view one, std::string_view many);

}  // namespace kelvor::cli
