#pragma once

#include <cstdint>

namespace marlo {

enum class OptimisationMethod {
    Search,      // the rod-by-rod search
    FewestRods,  // the fewest-rods method with its proven lower bound
};

// Which method a run uses, and how long and on how many threads the fewest-rods method may run.
struct MethodChoice {
    OptimisationMethod method = OptimisationMethod::Search;
    int16_t timeLimitSeconds = 30;
    int16_t threads = 0;  // for the fewest-rods method; 0: one per core of the machine

    bool operator==(const MethodChoice&) const = default;
};

}  // namespace marlo
