#pragma once

#include <vector>

#include "optimiser/fewest/CuttingStock.h"

namespace marlo::fewest {

struct KnapsackSolution {
    double value = 0.0;
    Pattern pattern;
};

// The rod pattern of the highest value: at most bounds[t] pieces of type t, worth values[t]
// each, within the capacity. Exact (dynamic programming over the capacity).
KnapsackSolution mostValuablePattern(const Instance& instance, const std::vector<double>& values,
                                     const std::vector<int32_t>& bounds);

}  // namespace marlo::fewest
