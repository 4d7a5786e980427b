#pragma once

#include "optimiser/fewest/CuttingStock.h"

namespace marlo::fewest {

// The pieces of `demand` (per type), longest first, each into the first rod that takes it.
Packing firstFitDecreasing(const Instance& instance, const std::vector<int32_t>& demand);

// The pieces of `demand`, longest first, each into the rod it leaves the least room in.
Packing bestFitDecreasing(const Instance& instance, const std::vector<int32_t>& demand);

}  // namespace marlo::fewest
