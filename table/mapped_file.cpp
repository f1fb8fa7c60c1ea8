#include "table/mapped_file.h"

#include <array>
#include <atomic>
#include <cstdint>

#ifndef _WIN32
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kelvor::table {

#ifndef _WIN32
namespace {

// The files mapped at one time, for the bus-error handler to tell whose
// bytes were lost. A process maps a handful; a file beyond these is read.
struct Slot {
    std::atomic<bool> taken{false};
    std::atomic<std::uintptr_t> begin{0};  // 0 while the slot is being filled or emptied
    std::uintptr_t end = 0;
    std::string path;  // filled before `begin` is set; never changed while it is
};
std::array<Slot, 16> slots;

struct Report {
    std::string before, after;
    int exitCode = 2;
};
Report report;

int TakeSlot() {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        bool expected = false;
        if (slots[i].taken.compare_exchange_strong(expected, true)) return static_cast<int>(i);
    }
    return -1;
}

void Write(std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(STDERR_FILENO, text.data(), text.size());
        if (n <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Only what may run inside a signal handler: reading the slots, write and
// _exit.
void OnBusError(int, siginfo_t* info, void*) {
    const auto at = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (const Slot& slot : slots) {
        const std::uintptr_t begin = slot.begin.load(std::memory_order_acquire);
        if (begin != 0 && at >= begin && at < slot.end) {
            // Said once, when two threads read lost bytes at once.
            static std::atomic_flag said = ATOMIC_FLAG_INIT;
            if (said.test_and_set())
                for (;;) ::pause();  // until the first one ends the process
            Write(report.before);
            Write(slot.path);
            Write(report.after);
            ::_exit(report.exitCode);
        }
    }
    // Not a mapping of ours: the read is tried again and stops the process
    // as it would have without this handler.
    ::signal(SIGBUS, SIG_DFL);
}

}  // namespace

void ReportShortenedMappedFiles(std::string before, std::string after, int exitCode) {
    report = {std::move(before), std::move(after), exitCode};
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, nullptr);
}

bool MappedFile::Open(const Path& path, std::string* error) {
    Close();
    std::size_t size = 0;
    const int fd = OpenRegularFile(path, size, error);
    if (fd < 0) return false;
    if (size == 0) {
        ::close(fd);
        return true;
    }
    if ((slot_ = TakeSlot()) >= 0) {
        // Populated at once: the pages are the system's file cache, mapped
        // in one go instead of one fault at a time.
        void* at = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (at != MAP_FAILED) {
            ::close(fd);
            mapping_ = at;
            view_ = {static_cast<const char*>(at), size};
            Slot& slot = slots[static_cast<std::size_t>(slot_)];
            slot.path = path.native();
            slot.end = reinterpret_cast<std::uintptr_t>(at) + size;
            slot.begin.store(reinterpret_cast<std::uintptr_t>(at), std::memory_order_release);
            return true;
        }
        slots[static_cast<std::size_t>(slot_)].taken.store(false);
        slot_ = -1;
    }
    // Read from what was opened: the file checked above, even when another
    // has been saved under its name since.
    const bool read = ReadOpenFile(fd, size, IntoBuffer(copy_), error);
    ::close(fd);
    if (!read) return false;
    view_ = copy_;
    return true;
}

void MappedFile::Close() {
    if (mapping_) {
        Slot& slot = slots[static_cast<std::size_t>(slot_)];
        slot.begin.store(0, std::memory_order_release);
        ::munmap(mapping_, view_.size());
        slot.path.clear();
        slot.taken.store(false);
        mapping_ = nullptr;
        slot_ = -1;
    }
    copy_.clear();
    view_ = {};
}
#else
// Windows: the file is read whole.
void ReportShortenedMappedFiles(std::string, std::string, int) {}

bool MappedFile::Open(const Path& path, std::string* error) {
    Close();
    if (!ReadWholeFile(path, copy_, error)) return false;
    view_ = copy_;
    return true;
}

void MappedFile::Close() {
    copy_.clear();
    view_ = {};
}
#endif

MappedFile::~MappedFile() { Close(); }

}  // namespace kelvor::table
