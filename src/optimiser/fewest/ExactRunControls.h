#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace marlo {

// How long and on how many threads an exact method (fewest rods, or a plan from stock) may run.
struct ExactRunControls {
    std::chrono::milliseconds timeLimit{30000};
    // Raised by the caller to end the run; the best plan found so far is kept.
    const std::atomic<bool>* stop = nullptr;
    // Threads for the integer programs; 0: one per core of the machine. Any number finds the
    // same plan and proof when the run ends within the time.
    int threads = 0;

    // The threads the integer programs get: the chosen number, or one per core.
    int solverThreads() const {
        return threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    }
};

// The controls and a callback on the running thread whenever the best plan or the bound
// improves, with the method's result.
template <typename Result>
struct ExactRunOptions : ExactRunControls {
    std::function<void(const Result&)> progress;
};

}  // namespace marlo
