// File and folder paths in the platform's own form (the file system's bytes
// on Linux, UTF-16 on Windows), never code page 932. Every path of the
// program is a std::filesystem::path; the conversion to and from Qt's
// QString happens only here.
#pragma once

#include <QString>

#include <concepts>
#include <filesystem>
#include <string>
#include <type_traits>

namespace kelvor::fw {

using Path = std::filesystem::path;

// The program's text (code page 932 bytes in a std::string). A std::string
// converts to a path without a word, so interfaces that take paths refuse it
// by name; see FileService.
template <class T>
concept Cp932String = std::same_as<std::remove_cvref_t<T>, std::string>;

// The path Qt names with `path` (as a file dialog or QDir gives it).
Path ToPath(const QString& path);

// The path as Qt names it, for QFile, QDir and the widgets.
QString FromPath(const Path& path);

// The folder part of a file's path, ending in the separator
// ("/games/halvane/weapon.dat" gives "/games/halvane/").
Path FolderOf(const Path& file);

// The subfolder `name` of `folder`, ending in the separator
// ("/games/halvane/" and "bmp" give "/games/halvane/bmp/").
Path Subfolder(const Path& folder, const Path& name);

// How a path is shown in a message: code page 932 text, where a character
// the code page cannot hold shows as '?'. Only ever for display.
std::string PathForDisplay(const Path& path);

}  // namespace kelvor::fw
