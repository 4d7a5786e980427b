#pragma once

// What the benchmark tables share: generated classes of instances from one fixed seed, the pieces
// as the optimiser takes them, and the time of each run.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "model/PieceList.h"

namespace marlo::bench {

inline int uniform(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// The pieces longest first, as input preparation leaves them.
inline std::unique_ptr<PieceList> pieceListOf(std::vector<int16_t> pieces) {
    std::sort(pieces.begin(), pieces.end(), std::greater<int16_t>());
    auto list = std::make_unique<PieceList>();
    for (int16_t length : pieces) list->append(length);
    list->setInitialCount(list->count());
    return list;
}

// The seconds of each run of a class: its median and the longest.
class RunTimes {
  public:
    // Runs `run` and keeps its time.
    template <typename Run>
    auto time(Run&& run) {
        const auto start = std::chrono::steady_clock::now();
        auto result = run();
        seconds_.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        return result;
    }
    double median() const { return sorted()[seconds_.size() / 2]; }
    double longest() const { return sorted().back(); }
    double last() const { return seconds_.back(); }

  private:
    std::vector<double> sorted() const {
        std::vector<double> seconds = seconds_;
        std::sort(seconds.begin(), seconds.end());
        return seconds;
    }

    std::vector<double> seconds_;
};

// Calls `visit` with each of `count` instances of a class, generated from the same seed for every
// class and every run of the benchmark.
template <typename Job>
void forEachInstance(int count, const std::function<Job(std::mt19937&)>& generate,
                     const std::function<void(int, const Job&)>& visit) {
    std::mt19937 random(2026);
    for (int i = 0; i < count; ++i) visit(i, generate(random));
}

}  // namespace marlo::bench
