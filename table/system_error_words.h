// The system's error texts a file operation may give, as the C library
// says them in English, in Japanese: for the window and the tool when they
// speak Japanese. UTF-8 text. Plain C++, no Qt.
#pragma once

#include <string_view>

namespace kelvor::table {

// The Japanese for one of those texts; any other text (one the system
// already gave in Japanese among them) as it is.
std::string_view SystemErrorInJapanese(std::string_view english);

}  // namespace kelvor::table
