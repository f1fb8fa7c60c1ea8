// Texts and icons of the program's resources, as the program sees them.
#pragma once

#include <string>

namespace kelvor::fw {

// String-table entry `id` as code page 932; empty when there is none.
std::string LoadString(int id);

}  // namespace kelvor::fw
