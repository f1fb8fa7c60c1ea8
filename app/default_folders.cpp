#include "app/default_folders.h"

#include <QDir>

namespace kelvor {

DefaultFolders GetDefaultFolders() {
#ifdef _WIN32
    const fw::Path game(L"C:\\Program Files\\Tellmark Game\\Halvane\\");
#else
    const fw::Path game = fw::Subfolder(fw::ToPath(QDir::homePath()), ".wine/drive_c/Program Files/Tellmark Game/Halvane");
#endif
    return DefaultFolders{game, fw::Subfolder(game, "bmp"), fw::Subfolder(game, "unit")};
}

}  // namespace kelvor
