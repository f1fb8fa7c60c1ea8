// The tables opened last, newest first, at most eight: kept in the profile
// as paths (entries "Recent1".."Recent8"), so they survive the run.
#pragma once

#include <vector>

#include "app/framework/paths.h"

namespace kelvor {

namespace fw {
class Profile;
}

class RecentTables {
public:
    static constexpr int kMax = 8;
    explicit RecentTables(fw::Profile& profile) : profile_(profile) {}

    std::vector<fw::Path> List() const;
    // Puts the table first, once; the ninth is forgotten.
    void Add(const fw::Path& table);
    void Remove(const fw::Path& table);

private:
    void Store(const std::vector<fw::Path>& tables);
    fw::Profile& profile_;
};

}  // namespace kelvor
