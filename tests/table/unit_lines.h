// Builders for unit-table text used by the table tests.
#pragma once

#include <string>
#include <vector>

namespace kelvor::table::testing {

inline const std::string kSet = "\x81\x9b";  // ○

// The fields of a unit line named `name`: field i holds "v<i>", the marker
// stands in field 1 and the movement fields hold real codes.
inline std::vector<std::string> UnitFields(const std::string& name, int count = 194) {
    std::vector<std::string> fields;
    for (int i = 0; i < count; ++i) fields.push_back("v" + std::to_string(i));
    if (count > 0) fields[0] = name;
    if (count > 1) fields[1] = kSet;
    const char* codes[] = {"00000000", "11100000", "01100000", "00100000", "00011110", "00000001"};
    for (int i = 25; i <= 30 && i < count; ++i) fields[i] = codes[i - 25];
    return fields;
}

// The parts joined with `sep` between neighbours (fields into a line).
inline std::string Join(const std::vector<std::string>& fields, const std::string& sep = ",") {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += sep;
        line += fields[i];
    }
    return line;
}

// The parts of `s` between each `sep` (a line into its fields; a text into
// its lines with "\r\n"). An empty text is one empty part.
inline std::vector<std::string> Split(const std::string& s, const std::string& sep = ",") {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(sep, from)) != std::string::npos; from = at + sep.size())
        parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

// A whole unit line with its CR LF.
inline std::string UnitLine(const std::string& name, int count = 194) { return Join(UnitFields(name, count)) + "\r\n"; }

}  // namespace kelvor::table::testing
