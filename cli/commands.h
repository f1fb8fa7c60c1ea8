// The tool's commands. Each writes its report to out (UTF-8 text, or JSON)
// and what went wrong to err, and gives the exit code.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "table/file_io.h"

namespace kelvor::cli {

// Exit codes: clean or equal; findings or differences; input not usable.
inline constexpr int kExitClean = 0;
inline constexpr int kExitFindings = 1;
inline constexpr int kExitUnusable = 2;

struct Output {
    std::ostream& out;
    std::ostream& err;
    bool json = false;
};

int RunList(const table::Path& table, Output& output);
int RunShow(const table::Path& table, int unitNumber, Output& output);
// pictures: the folder of unit pictures; none: "unit/" beside the table.
int RunCheck(const table::Path& table, const std::optional<table::Path>& pictures, Output& output);
int RunDiff(const table::Path& before, const table::Path& after, Output& output);

}  // namespace kelvor::cli
