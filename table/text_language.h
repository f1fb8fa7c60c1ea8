// The two languages the program speaks, and a text in both: for the plain
// code's messages, which the window and the command-line tool show in the
// language they speak. Plain C++, no Qt.
#pragma once

namespace kelvor::table {

enum class TextLanguage { Japanese, English };

// One text in each language, UTF-8.
struct Texts {
    const char* japanese;
    const char* english;
};

constexpr const char* In(const Texts& texts, TextLanguage language) {
    return language == TextLanguage::Japanese ? texts.japanese : texts.english;
}

}  // namespace kelvor::table
