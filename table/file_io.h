// Reading files whole, without line-end translation, for the editor and the
// command-line tool alike. Paths are the platform's own; error texts are the
// system's, in UTF-8. Plain C++, no Qt.
#pragma once

#include <concepts>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace kelvor::table {

using Path = std::filesystem::path;

// The folder a file is in: "." for a bare file name.
inline Path FolderOf(const Path& file) { return file.parent_path().empty() ? Path(".") : file.parent_path(); }

// The system's text for an error number (UTF-8).
std::string ErrorText(int error);

#ifdef _WIN32
// The error number that stands for a Windows error code (EIO for those
// without one), so that both systems report failures alike.
int ErrnoOfWindowsError(unsigned long code);
#endif

// Reads the whole file in one read. prepare(size) gives the place for the
// file's size bytes, or nullptr to refuse (the read then fails with the
// system's "file too large" text). Fails with the system's error text for
// folders, files that are no regular files (a device, a pipe), unreadable
// files and files that change size while they are read.
bool ReadWholeFile(const Path& path, const std::function<char*(std::size_t size)>& prepare, std::string* error);

// The read of ReadWholeFile, from the start of a file already open as `fd`
// and checked to be a regular file of `size` bytes.
bool ReadOpenFile(int fd, std::size_t size, const std::function<char*(std::size_t size)>& prepare, std::string* error);

// Any buffer with resize() and data() (std::string, std::vector<char>, ...).
template <class Buffer>
concept ResizableBuffer = requires(Buffer& b, std::size_t n) {
    b.resize(n);
    { b.data() } -> std::convertible_to<char*>;
};

// A prepare function for ReadWholeFile that sizes `buffer` to the file.
template <ResizableBuffer Buffer>
std::function<char*(std::size_t size)> IntoBuffer(Buffer& buffer) {
    return [&buffer](std::size_t size) -> char* {
        buffer.resize(size);
        return buffer.data();
    };
}

// The same into such a buffer.
template <ResizableBuffer Buffer>
bool ReadWholeFile(const Path& path, Buffer& buffer, std::string* error) {
    return ReadWholeFile(path, IntoBuffer(buffer), error);
}

#ifndef _WIN32
// Opens a file for reading without blocking, as ReadWholeFile does, and
// checks that it is a regular file: its descriptor (the caller's to close)
// and size, or -1 with the same error texts.
int OpenRegularFile(const Path& path, std::size_t& size, std::string* error);
#endif

// Opens the file for reading and closes it again; false for a folder.
bool CanOpenForReading(const Path& path);

// The bytes up to the first LF, without that LF (a CR before it stays); the
// whole file when it has no LF. Reads no further than that line.
bool ReadFirstLine(const Path& path, std::string& line, std::string* error);

}  // namespace kelvor::table
