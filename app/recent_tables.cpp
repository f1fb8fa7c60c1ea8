#include "app/recent_tables.h"

#include <algorithm>
#include <string>

#include "app/framework/profile.h"

namespace kelvor {

namespace {

constexpr const char* kSection = "RecentFiles";

std::string Entry(int i) { return "Recent" + std::to_string(i + 1); }

// One spelling per file, so that a table opened by two names is listed once.
fw::Path Normal(const fw::Path& table) {
    std::error_code ec;
    const fw::Path absolute = std::filesystem::absolute(table, ec);
    return (ec ? table : absolute).lexically_normal();
}

}  // namespace

std::vector<fw::Path> RecentTables::List() const {
    std::vector<fw::Path> tables;
    for (int i = 0; i < kMax; ++i) {
        const fw::Path table = profile_.GetProfilePath(kSection, Entry(i), fw::Path());
        if (!table.empty()) tables.push_back(table);
    }
    return tables;
}

void RecentTables::Add(const fw::Path& table) {
    std::vector<fw::Path> tables = List();
    const fw::Path normal = Normal(table);
    std::erase(tables, normal);
    tables.insert(tables.begin(), normal);
    if (tables.size() > kMax) tables.resize(kMax);
    Store(tables);
}

void RecentTables::Remove(const fw::Path& table) {
    std::vector<fw::Path> tables = List();
    std::erase(tables, Normal(table));
    Store(tables);
}

void RecentTables::Store(const std::vector<fw::Path>& tables) {
    for (int i = 0; i < kMax; ++i)
        profile_.WriteProfilePath(kSection, Entry(i), i < static_cast<int>(tables.size()) ? tables[i] : fw::Path());
}

}  // namespace kelvor
