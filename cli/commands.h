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
// all: every finding; otherwise the first 20 of each kind and a count of the rest.
int RunCheck(const table::Path& table, const std::optional<table::Path>& pictures, bool all, Output& output);
int RunDiff(const table::Path& before, const table::Path& after, Output& output);
// target: the single-unit file to write; none: "unit%04d.kmv" of the unit
// number in the current folder.
int RunExport(const table::Path& table, int unitNumber, const std::optional<table::Path>& target, Output& output);
// out: where the table with the files put in is saved; none: the table itself.
int RunImport(const table::Path& table, const std::vector<table::Path>& files, const std::optional<table::Path>& out,
              Output& output);

struct MergeFiles {
    table::Path base, ours, theirs;
    std::optional<table::Path> out;  // where the result is saved; none: ours
    // As a version control system's merge driver: ours is its copy of the
    // table, replaced by the result, and no weapon.org is set aside beside it.
    bool git = false;
};
// Exit code 1 when there are conflicts: the result is saved all the same,
// ours' side in each.
int RunMerge(const MergeFiles& files, Output& output);

// Every line of the table as UTF-8 text, a unit line field by field.
int RunText(const table::Path& table, Output& output);

}  // namespace kelvor::cli
