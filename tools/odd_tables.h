// Tables that are not what a unit table should be, for robustness tests of
// everything that reads one. Each is a file of its own in the odd folder.
#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace kelvor::demo {

struct OddTable {
    const char* fileName;
    std::string (*make)();
};

// empty.dat            no bytes at all
// nul_bytes.dat        NUL bytes inside unit fields, and a line of NULs
// garbage.dat          64 KiB of fixed-seed random bytes
// no_cr.dat            the demo table with every CR removed (LF only)
// no_lf.dat            the demo table with every LF removed (CR only)
// line_5mb.dat         headings, then one unit line whose weapon name is 5 MB
// lines_100000.dat     100,000 short lines, a unit line every 10,000th
// unit_20_fields.dat   a unit line of 20 fields between two whole ones
// unit_400_fields.dat  a unit line of 400 fields between two whole ones
// no_final_line_end.dat the demo table whose last unit line has no CR LF
std::span<const OddTable> OddTables();

// Writes every odd table into the folder, making it as needed.
bool WriteOddTables(const std::filesystem::path& folder);

}  // namespace kelvor::demo
