#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

// Patterns within this margin of a limit of value are taken as within it: the prices are sums of
// floating-point numbers.
inline constexpr double kPriceSlack = 1e-9;

// Prices of the types that no rod's pieces are worth more than one rod at, and the bound they
// prove: every plan needs at least `rods` rods.
struct FeasiblePrices {
    std::vector<double> prices;
    double rods = 0.0;
};

// The LP's duals made safe: negative prices raised to 0, and all of them divided by the value of
// the most valuable pattern when it is worth more than one rod, so that the bound holds whatever
// the LP's rounding errors. None once the deadline has passed.
std::optional<FeasiblePrices> feasiblePrices(const Instance& instance,
                                             const std::vector<double>& duals,
                                             const Deadline& deadline);

// Every pattern that a plan of at most `rods` rods needs, as far as the prices show: a plan of
// `rods` rods loses at most `rods` - prices.rods against the prices, summed over its rods, so
// each of its patterns is worth at least 1 - (`rods` - prices.rods). Only patterns that take no
// further piece are listed (a plan's rod can always be filled up, the demand allowing). None
// when there would be more than `most` of them or the deadline passes first.
std::optional<std::vector<Pattern>> patternsWithinGap(const Instance& instance,
                                                      const FeasiblePrices& prices, int rods,
                                                      size_t most, const Deadline& deadline);

}  // namespace marlo::fewest
