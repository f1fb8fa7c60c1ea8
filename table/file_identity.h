// What a program read or wrote of a file, to tell later whether someone
// else changed it since: its size, modification time and file number, and a
// hash of its bytes. A file touched but holding the same bytes is the same.
#pragma once

#include <cstdint>
#include <string_view>

#include "table/file_io.h"

namespace kelvor::table {

struct FileIdentity {
    bool known = false;  // nothing remembered yet: nothing to compare
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds
    std::uint64_t fileNumber = 0;
    std::uint64_t hash = 0;
};

// The identity of `path` holding `bytes` (as just read or written); not
// known when the file cannot be looked at.
FileIdentity IdentityOf(const Path& path, std::string_view bytes);

// Whether `path` no longer holds what `known` remembers: it is gone, or its
// size, time or number differ and its bytes do too. `now` (when given)
// receives the identity the file has now.
bool ChangedSince(const Path& path, const FileIdentity& known, FileIdentity* now = nullptr);

}  // namespace kelvor::table
