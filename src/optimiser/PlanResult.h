#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/fewest/StockCutting.h"

namespace marlo {

// A piece of a pattern whose ends are cut at an angle, in the order the saw cuts the rod.
struct PieceCut {
    int16_t slot = 0;     // its place in the pattern's lengths
    int32_t kind = 0;     // the row of the run's list it is cut for
    bool turned = false;  // turned over: its reference face on the rod's opposite face

    bool operator==(const PieceCut&) const = default;
};

// What a run of either method leaves, as every output shows it: the plan (its patterns, totals
// and the stock list its patterns index), the bounds and proven marks, and the parameters the run
// was asked with (the stored ones: the reports show them; the methods cut the usable length).
struct PlanResult {
    OptimisationMethod method = OptimisationMethod::Search;
    CuttingPlan plan;
    JobParameters parameters;
    std::optional<int> lowerBound;  // rods that every plan needs, when figured
    // The plan is proven to use the fewest rods (from stock: the lowest price).
    bool optimal = false;
    // Plans from a stock list: the price and a proven lower bound on it; when the stock cannot hold
    // the list, the pieces left uncut and their length (the plan is then aborted).
    std::optional<double> price;
    std::optional<double> priceLowerBound;
    std::vector<UncutDimension> uncut;
    int64_t missingLength = 0;
    // Pieces with angled ends: per pattern, its pieces in cutting order. Empty when every piece
    // is square, whose order is the pattern's.
    std::vector<std::vector<PieceCut>> cutOrders;

    bool fromStock() const { return !plan.stock.empty(); }
    // The rods bound that the outputs show after the totals: only the fewest-rods method's, whose
    // bound is part of its answer; the search's costs nothing and is shown on screen only.
    std::optional<int> shownLowerBound() const {
        return method == OptimisationMethod::FewestRods ? lowerBound : std::nullopt;
    }
};

}  // namespace marlo
