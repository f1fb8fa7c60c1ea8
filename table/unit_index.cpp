#include "table/unit_index.h"

namespace kelvor::table {

void UnitIndex::Clear() {
    entries_.clear();
    names_.clear();
}

void UnitIndex::Add(int lineNumber, std::string_view name) {
    entries_.push_back({lineNumber, static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(name.size())});
    names_.append(name);
}

std::string_view UnitIndex::Name(int row) const {
    const Entry& e = entries_[static_cast<std::size_t>(row)];
    return std::string_view(names_).substr(e.offset, e.length);
}

int UnitIndex::RowOfLine(std::int64_t lineNumber) const {
    for (std::size_t row = 0; row < entries_.size(); ++row)
        if (entries_[row].lineNumber == lineNumber) return static_cast<int>(row);
    return -1;
}

void UnitIndex::Rename(int row, std::string_view name) {
    Entry& e = entries_[static_cast<std::size_t>(row)];
    if (name.size() <= e.length) {
        // A name no longer than before is written over the old one.
        names_.replace(e.offset, name.size(), name);
    } else {
        e.offset = static_cast<std::uint32_t>(names_.size());
        names_.append(name);
    }
    e.length = static_cast<std::uint32_t>(name.size());
}

}  // namespace kelvor::table
