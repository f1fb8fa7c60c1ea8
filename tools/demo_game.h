// The demo game folder: weapon.dat, bmp/panel_btn.bmp and unit/101.bmp to
// unit/120.bmp.
#pragma once

#include <filesystem>

namespace kelvor::demo {

// Writes (or overwrites) the files of the demo game folder, making the
// folders as needed. False when any file cannot be written.
bool WriteDemoGame(const std::filesystem::path& folder);

}  // namespace kelvor::demo
