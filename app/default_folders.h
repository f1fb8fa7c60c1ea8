// Where the game is installed when the profile says nothing: the folders the
// three folder settings fall back to. Each ends in the path separator.
#pragma once

#include <string>

namespace kelvor {

struct DefaultFolders {
    std::string game;           // the game's own folder (LastDir)
    std::string systemBitmaps;  // its bmp folder (SystemBitmapDir)
    std::string unitBitmaps;    // its unit folder (UnitBitmapDir)
};

// Code page 932 strings. On Windows the game's installation folder under
// Program Files; elsewhere the same folder inside the default Wine prefix of
// the user's home folder, with the native separator.
DefaultFolders GetDefaultFolders();

// The native path separator as a string ("\\" on Windows, "/" elsewhere).
const std::string& PathSeparator();

}  // namespace kelvor
