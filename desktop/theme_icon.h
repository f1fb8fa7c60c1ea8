// The application icon at the square sizes of the desktop's icon theme.
#pragma once

#include <cstdint>
#include <vector>

#include "res/resources.h"

namespace kelvor::desktop {

// Draws `icon` as a size x size picture, ARGB row by row. Of the icon's
// square pixel maps, the one whose whole-number enlargement covers the most
// of the square is drawn (the more detailed map when two cover the same),
// centred on a transparent ground: every pixel of the map becomes a sharp
// block, never a blend. Empty when no map fits into the square.
std::vector<std::uint32_t> DrawThemeIcon(const res::IconTemplate& icon, int size);

}  // namespace kelvor::desktop
