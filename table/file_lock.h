// An exclusive advisory lock on a file that is about to be rewritten, held
// for a whole read-modify-write so that two programs rewriting one table
// one after the other each start from what the other saved. The editor and
// the command-line tool take the same lock. Plain C++, no Qt.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "table/file_io.h"

namespace kelvor::table {

class FileLock {
public:
    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(FileLock&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
    FileLock& operator=(FileLock&& other) noexcept {
        if (this != &other) {
            Release();
            handle_ = other.handle_;
            other.handle_ = kNone;
        }
        return *this;
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return handle_ != kNone; }
    void Release();

private:
    friend struct LockAccess;
    static constexpr long long kNone = -1;
    long long handle_ = kNone;  // a descriptor, or a Windows handle
};

struct LockWait {
    std::chrono::milliseconds giveUpAfter{60000};
    std::chrono::milliseconds tellAfter{3000};
    // Called once when the lock is still not had after tellAfter.
    std::function<void()> waiting;
};

enum class LockResult { Held, Busy, Failed };

// Takes the lock on `path`: on the file itself when it exists (taken again
// when a save put a new file under the name while this one waited), on its
// folder when it does not. On Windows: on a hidden file beside it, present
// while the lock is held (see file_lock.cpp). Busy: another program held it for the whole
// wait. Failed: error says why.
LockResult LockForRewrite(const Path& path, FileLock& lock, const LockWait& wait, std::string* error);

}  // namespace kelvor::table
