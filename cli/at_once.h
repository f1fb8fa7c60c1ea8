// Two pieces of work at once, each on a processor of its own where there
// are two.
#pragma once

#include <exception>
#include <system_error>
#include <thread>

namespace kelvor::cli {

// Runs `other` on a thread of its own and `here` on this one, and returns
// when both are done; one after the other where no thread can be had. An
// exception of either is thrown here once both are done.
template <class Other, class Here>
void AtOnce(Other&& other, Here&& here) {
    std::exception_ptr failed;
    std::thread second;
    try {
        second = std::thread([&] {
            try {
                other();
            } catch (...) {
                failed = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        other();
    }
    try {
        here();
    } catch (...) {
        if (second.joinable()) second.join();
        throw;
    }
    if (second.joinable()) second.join();
    if (failed) std::rethrow_exception(failed);
}

}  // namespace kelvor::cli
