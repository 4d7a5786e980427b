#pragma once

#include <atomic>
#include <chrono>

namespace marlo::fewest {

// When a run has to end: at a point in time, or when the caller raises its stop flag.
class Deadline {
  public:
    using Clock = std::chrono::steady_clock;

    Deadline(Clock::time_point end, const std::atomic<bool>* stop) : end_(end), stop_(stop) {}

    bool passed() const {
        return (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) || Clock::now() >= end_;
    }
    double secondsLeft() const {
        return std::chrono::duration<double>(end_ - Clock::now()).count();
    }
    // A deadline no later than this one that leaves at most `seconds` from now.
    Deadline within(double seconds) const {
        const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                            std::chrono::duration<double>(seconds));
        return Deadline(std::min(end, end_), stop_);
    }

  private:
    Clock::time_point end_;
    const std::atomic<bool>* stop_;
};

}  // namespace marlo::fewest
