#pragma once

#include <optional>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

// The best plan with fewer than `fewerThan` rods made of the given patterns only, as an integer
// program for CBC: quick to find where the patterns of the relaxation suffice, and no proof of
// anything when it finds none.
std::optional<Packing> planFromPatterns(const Instance& instance,
                                        const std::vector<Pattern>& patterns, int fewerThan,
                                        const Deadline& deadline);

}  // namespace marlo::fewest
