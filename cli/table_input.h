// Reading the tables and files the tool is given, with the reason in words
// when one cannot be used.
#pragma once

#include <string>

#include "table/document.h"
#include "table/file_io.h"
#include "table/mapped_file.h"

namespace kelvor::cli {

// Reads a unit table whole. Gives false, with the reason (UTF-8), for a file
// that cannot be read, a folder, a device, and a file none of whose lines is
// a unit line (an empty file among them): such a file is no unit table.
bool LoadTable(const table::Path& path, table::DocumentText& text, std::string& reason);

// The same, mapped: for the commands that only read the file. ReadTableText
// maps any file, whatever it holds; it fails, with the reason (UTF-8), for a
// file that cannot be read, a folder or a device.
bool ReadTableText(const table::Path& path, table::MappedFile& text, std::string& reason);
bool LoadTable(const table::Path& path, table::MappedFile& text, std::string& reason);

// How a path is named in messages: the platform's own bytes (UTF-8 on Linux),
// UTF-8 on Windows.
std::string PathText(const table::Path& path);
// The path a command-line argument names: its bytes on Linux; on Windows
// the argument is UTF-8 (see cli/arguments.h).
table::Path PathOfArgument(const std::string& argument);

}  // namespace kelvor::cli
