#include "app/default_folders.h"

#include <QDir>

#include "app/framework/codec.h"

namespace kelvor {

const std::string& PathSeparator() {
#ifdef _WIN32
    static const std::string separator = "\\";
#else
    static const std::string separator = "/";
#endif
    return separator;
}

DefaultFolders GetDefaultFolders() {
    const std::string& sep = PathSeparator();
#ifdef _WIN32
    const std::string game = "C:\\Program Files\\Tellmark Game\\Halvane\\";
#else
    const std::string home = fw::ToCp932(QDir::homePath());
    const std::string game = home + "/.wine/drive_c/Program Files/Tellmark Game/Halvane/";
#endif
    return DefaultFolders{game, game + "bmp" + sep, game + "unit" + sep};
}

}  // namespace kelvor
