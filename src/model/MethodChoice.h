#pragma once

#include <cstdint>

namespace marlo {

enum class OptimisationMethod {
    Search,      // the rod-by-rod search
    FewestRods,  // the fewest-rods method with its proven lower bound
};

// Which method a run uses, and how long the fewest-rods method may take.
struct MethodChoice {
    OptimisationMethod method = OptimisationMethod::Search;
    int16_t timeLimitSeconds = 30;

    bool operator==(const MethodChoice&) const = default;
};

}  // namespace marlo
