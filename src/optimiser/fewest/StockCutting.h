#pragma once

#include <cstdint>
#include <vector>

#include "model/JobParameters.h"
#include "model/PieceList.h"
#include "model/StockList.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/fewest/ExactRunControls.h"

namespace marlo {

// Pieces of one dimension that the stock cannot hold.
struct UncutDimension {
    int16_t length = 0;
    int32_t pieces = 0;

    bool operator==(const UncutDimension&) const = default;
};

// A result of planning from a stock list: the cheapest plan found, a proven lower bound on the
// price of every plan, and whether the plan is proven cheapest.
struct StockPlanResult {
    // Finished with the best plan (carrying the stock list, each pattern naming its row); or
    // Aborted with the message of the abort, and no patterns.
    CuttingPlan plan;
    double price = 0.0;
    double priceLowerBound = 0.0;
    bool optimal = false;
    // When the stock cannot hold the list: the pieces left uncut in the best plan found, and their
    // length in mm (what more stock would at least have to hold). The plan is then Aborted.
    std::vector<UncutDimension> uncut;
    int64_t missingLength = 0;
};

using StockPlanOptions = ExactRunOptions<StockPlanResult>;

// Plans the prepared pieces (at least one) from the stock list at the lowest total price within
// the rows' quantities, and proves a lower bound on that price: a first-fit plan, the linear
// relaxation by column generation with one pricing problem per stock row, then the choices of
// rods that could cost less, cheapest first: each either ruled out by its relaxation, which raises
// the bound, or searched by a dive; the cheapest plan of its columns, and an exact arc-flow model
// over every stock length until the time is up. Of plans of equal price the one with fewer
// rods is preferred, then the one with fewer patterns. Each rod holds pieces whose lengths plus
// (count - 1) cuts fit its usable length: its length less the trim at both ends.
StockPlanResult planFromStock(const PieceList& pieces, const JobParameters& parameters,
                              const StockList& stock, const StockPlanOptions& options);

}  // namespace marlo
