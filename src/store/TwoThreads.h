#pragma once
// Runs work(0) on the calling thread and work(1) on a second one, and waits for both; an exception
// from either reaches the caller once both have ended.

#include <exception>
#include <thread>

namespace kip::store {

template <class Work> void onTwoThreads(const Work& work) {
    std::exception_ptr failed;
    std::thread second([&] {
        try {
            work(1);
        } catch (...) {
            failed = std::current_exception();
        }
    });
    try {
        work(0);
    } catch (...) {
        second.join();
        throw;
    }
    second.join();
    if (failed)
        std::rethrow_exception(failed);
}

// Whether splitting work over two threads can pay.
inline bool twoThreadsAvailable() {
    return std::thread::hardware_concurrency() > 1;
}

} // namespace kip::store
