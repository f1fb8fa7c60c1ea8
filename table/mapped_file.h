// A whole file to read, mapped into memory where the system allows: nothing
// is copied and no fresh memory has to be cleared for it, which is most of
// the time a command spends on a large table. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "table/file_io.h"

namespace kelvor::table {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    // The mapping is known by its place in memory: it stays where it is.
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the file, or reads it whole where it cannot be mapped (Windows,
    // a file system without mappings). Fails as ReadWholeFile does: folders,
    // devices, pipes and unreadable files, with the system's error text.
    bool Open(const Path& path, std::string* error);

    std::string_view view() const { return view_; }

private:
    void Close();

    std::string_view view_;
    std::string copy_;         // the bytes, where the file is read and not mapped
    void* mapping_ = nullptr;  // the mapping, where it is mapped
    int slot_ = -1;            // its entry among the mappings a shortened file is looked up in
};

// A mapped file that another program shortens while it is mapped cannot be
// read past its new end: the system stops the process (SIGBUS) at the first
// such read. From this call on, that stop writes `before`, the file's path
// and `after` on standard error and ends the process with `exitCode`
// instead, where it is one of the mapped files that lost bytes; other such
// stops are left as they are. Called once, before any file is mapped.
void ReportShortenedMappedFiles(std::string before, std::string after, int exitCode);

}  // namespace kelvor::table
