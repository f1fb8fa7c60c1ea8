// What is wrong with a picture the panel refuses, in words: Japanese for
// the window and the tool in Japanese, English for the English ones. UTF-8
// text. Plain code.
#pragma once

#include <string>

#include "panel/bitmap_check.h"
#include "table/text_language.h"

namespace kelvor::panel {

using ProblemLanguage = table::TextLanguage;

// A clause that follows the file's name ("it is cut off inside its
// headers"); empty for fault None.
std::string BitmapProblemText(const BitmapProblem& problem, ProblemLanguage language);

}  // namespace kelvor::panel
