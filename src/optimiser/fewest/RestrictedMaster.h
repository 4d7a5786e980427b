#pragma once

#include <optional>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

struct PatternPlan {
    std::optional<Packing> plan;  // the best plan found, if any
    bool finished = false;        // CBC ended its search: the plan is the best of these patterns,
                                  // or none of fewer rods is made of them
};

// The best plan with fewer than `fewerThan` rods made of the given patterns only, as an integer
// program for CBC on `threads` threads: quick to find where the patterns of the relaxation suffice.
// A proof only for these patterns.
PatternPlan planFromPatterns(const Instance& instance, const std::vector<Pattern>& patterns,
                             int fewerThan, const Deadline& deadline, int threads);

}  // namespace marlo::fewest
