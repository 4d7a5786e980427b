#pragma once

#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

struct KnapsackSolution {
    double value = 0.0;
    Pattern pattern;
};

// The rod pattern of the highest value: at most bounds[t] pieces of type t, worth values[t]
// each, within the capacity. Exact (dynamic programming over the capacity); an empty pattern of
// no value once the deadline has passed.
KnapsackSolution mostValuablePattern(const Instance& instance, const std::vector<double>& values,
                                     const std::vector<int32_t>& bounds, const Deadline& deadline);

// The same for each of several capacities (the instance's own is not used) at the cost of the
// largest: one solution per capacity, in their order; none once the deadline has passed.
std::vector<KnapsackSolution> mostValuablePatterns(const Instance& instance,
                                                   const std::vector<double>& values,
                                                   const std::vector<int32_t>& bounds,
                                                   const std::vector<int32_t>& capacities,
                                                   const Deadline& deadline);

}  // namespace marlo::fewest
