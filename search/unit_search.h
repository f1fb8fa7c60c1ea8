// Which unit a search shows: plain code, no Qt.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kelvor::search {

// Whether a unit name contains text: byte for byte over code page 932, with
// letter case and width counted, and only where the match starts on a
// character boundary of the name (never on the second byte of a double-byte
// character).
bool NameContains(std::string_view name, std::string_view text);

// The list index whose name holds text, looking first below `current` (the
// selected index, -1 for none) to the end, then from the top down to and
// including `current`; -1 when no name holds it.
int FindNextUnit(int count, int current, std::string_view text, const std::function<std::string(int index)>& nameAt);

}  // namespace kelvor::search
