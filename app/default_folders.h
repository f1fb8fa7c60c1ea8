// Where the game is installed when the profile says nothing: the folders the
// three folder settings fall back to. Each ends in the path separator.
#pragma once

#include "app/framework/paths.h"

namespace kelvor {

struct DefaultFolders {
    fw::Path game;           // the game's own folder (LastDir)
    fw::Path systemBitmaps;  // its bmp folder (SystemBitmapDir)
    fw::Path unitBitmaps;    // its unit folder (UnitBitmapDir)
};

// On Windows the game's installation folder under Program Files; elsewhere
// the same folder inside the default Wine prefix of the user's home folder.
DefaultFolders GetDefaultFolders();

}  // namespace kelvor
