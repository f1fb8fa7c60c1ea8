#include "cli/table_input.h"

#include "cli/messages.h"
#include "cli/table_lines.h"

namespace kelvor::cli {

namespace {

std::string CannotBeRead(const std::string& error) { return Say("cannot be read: {1}", {Say(error)}); }

// A file none of whose lines is a unit line (an empty one among them) is no
// unit table.
bool IsUnitTable(std::string_view bytes, std::string& reason) {
    bool anyUnit = false;
    std::size_t from = 0;
    for (int number = 0; !anyUnit && from < bytes.size(); ++number) anyUnit = IsUnitLine(NextLine(bytes, from, number).text);
    if (!anyUnit) {
        reason = bytes.empty() ? Say("is no unit table: it is empty")
                               : Say("is no unit table: none of its lines is a unit line (a name, then \"○\")");
    }
    return anyUnit;
}

// Reads a file whole, whatever it holds.
bool ReadWhole(const table::Path& path, table::DocumentText& text, std::string& reason) {
    std::string error;
    std::size_t length = 0;
    const bool read = table::ReadWholeFile(
        path,
        [&](std::size_t size) -> char* {
            length = size;
            return text.PrepareForRead(size);
        },
        &error);
    if (!read) {
        reason = CannotBeRead(error);
        return false;
    }
    text.CommitRead(length);
    return true;
}

}  // namespace

bool LoadTable(const table::Path& path, table::DocumentText& text, std::string& reason) {
    return ReadWhole(path, text, reason) && IsUnitTable(text.view(), reason);
}

bool ReadTableText(const table::Path& path, table::MappedFile& text, std::string& reason) {
    std::string error;
    if (text.Open(path, &error)) return true;
    reason = CannotBeRead(error);
    return false;
}

bool LoadTable(const table::Path& path, table::MappedFile& text, std::string& reason) {
    return ReadTableText(path, text, reason) && IsUnitTable(text.view(), reason);
}

std::string PathText(const table::Path& path) {
#ifdef _WIN32
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return path.native();
#endif
}

table::Path PathOfArgument(const std::string& argument) {
#ifdef _WIN32
    return table::Path(std::u8string(argument.begin(), argument.end()));
#else
    return table::Path(argument);
#endif
}

}  // namespace kelvor::cli
