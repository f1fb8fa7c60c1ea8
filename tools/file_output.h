// Writing the generator's files: whole files at once, in binary, with the
// folder made first.
#pragma once

#include <filesystem>
#include <string_view>

namespace kelvor::demo {

// Writes bytes as the whole file, making its folder when needed. False when
// the folder cannot be made or the file not written in full.
bool WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kelvor::demo
