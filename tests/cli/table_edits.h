// A unit table as its lines and their line ends, edited as a mod author
// edits one: fields set, lines inserted and removed.
#pragma once

#include <string>
#include <vector>

#include "tests/table/unit_lines.h"

namespace kelvor::cli::testing {

struct EditedTable {
    std::vector<std::string> lines, ends;

    // A text whose every line ends in CR LF.
    explicit EditedTable(const std::string& text) : lines(table::testing::Split(text, "\r\n")) {
        lines.pop_back();
        ends.assign(lines.size(), "\r\n");
    }
    EditedTable& Set(int line, int field, const std::string& value) {
        std::vector<std::string> fields = table::testing::Split(lines[static_cast<std::size_t>(line)]);
        fields[static_cast<std::size_t>(field)] = value;
        lines[static_cast<std::size_t>(line)] = table::testing::Join(fields);
        return *this;
    }
    EditedTable& Insert(int line, const std::string& text) {
        lines.insert(lines.begin() + line, text);
        ends.insert(ends.begin() + line, "\r\n");
        return *this;
    }
    EditedTable& Remove(int line) {
        lines.erase(lines.begin() + line);
        ends.erase(ends.begin() + line);
        return *this;
    }
    std::string Text() const {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) text += lines[i] + ends[i];
        return text;
    }
};

}  // namespace kelvor::cli::testing
