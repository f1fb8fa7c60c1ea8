// The units of a table in file order: each unit line's number and name. The
// unit list shows it and the search reads it; names stay the table's own
// code page 932 bytes, kept together in one buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvor::table {

class UnitIndex {
public:
    void Clear();
    void Add(int lineNumber, std::string_view name);

    int Count() const { return static_cast<int>(entries_.size()); }
    // Row `row` (0 <= row < Count()).
    int LineNumber(int row) const { return entries_[static_cast<std::size_t>(row)].lineNumber; }
    std::string_view Name(int row) const;
    // The first row of line `lineNumber`, or -1.
    int RowOfLine(std::int64_t lineNumber) const;
    // Row `row` now shows `name` (after its line was replaced).
    void Rename(int row, std::string_view name);

private:
    struct Entry {
        int lineNumber;
        std::uint32_t offset;  // of the name in names_
        std::uint32_t length;
    };
    std::vector<Entry> entries_;
    std::string names_;
};

}  // namespace kelvor::table
