// Whole-text comparison ignoring letter case, as the drop-down lists search.
#pragma once

#include <string_view>

namespace kelvor::fw {

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace kelvor::fw
