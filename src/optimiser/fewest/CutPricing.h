#pragma once

#include <optional>
#include <vector>

#include "optimiser/fewest/BoundedKnapsack.h"
#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"
#include "optimiser/fewest/PairRules.h"
#include "optimiser/fewest/SubsetRowCuts.h"

namespace marlo::fewest {

// The prices of a relaxation with subset-row cuts: a price per type (not below 0) and per cut
// (not above 0: what a rod loses for each count it takes in the cut).
struct CutPrices {
    std::vector<double> types;
    std::vector<double> cuts;
};

// The most valuable pattern, and the patterns worth more than was asked that the walk kept as the
// best before it: each also a column that lowers the LP's value.
struct PricedPatterns {
    KnapsackSolution best;
    std::vector<Pattern> alsoWorth;
};

// The rod pattern of the highest value at these prices that keeps the rules and loads the rod
// with at least `leastLoad`, with at most bounds[t] pieces of type t: exact. A depth-first walk
// over the types' counts, heaviest first, that leaves out every branch whose value could not beat
// the best found even if the cuts and the rules' pairs kept apart cost nothing: the best value of
// the lighter types for every room left that they can load far enough, by dynamic programming,
// bounds it. Types kept together are taken as one. None when that table would not fit in memory,
// the walk grows too long, or the deadline passes. Up to `mostAlso` patterns worth more than
// `worthAsked` come with it.
std::optional<PricedPatterns> mostValuablePatternWithCuts(
    const Instance& instance, const CutPrices& prices, const std::vector<SubsetRowCut>& cuts,
    const PairRules& rules, const std::vector<int32_t>& bounds, int32_t leastLoad,
    const Deadline& deadline, double worthAsked, size_t mostAlso);

}  // namespace marlo::fewest
