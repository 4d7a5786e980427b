#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/PieceList.h"
#include "model/StockList.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/RunObserver.h"
#include "optimiser/fewest/FewestRods.h"
#include "optimiser/fewest/StockCutting.h"

namespace marlo {

// What a run of either method leaves.
struct MethodResult {
    OptimisationMethod method = OptimisationMethod::Search;
    CuttingPlan plan;
    std::optional<int> lowerBound;  // rods that every plan needs, when figured
    bool optimal =
        false;  // the plan is proven to use the fewest rods (from stock: the lowest price)
    // Plans from a stock list: the price and a proven lower bound on it; when the stock cannot hold
    // the list, the pieces left uncut and their length (the plan is then aborted).
    std::optional<double> price;
    std::optional<double> priceLowerBound;
    std::vector<UncutDimension> uncut;
    int64_t missingLength = 0;
};

// The time limit, stop and threads of the chosen method for an exact run (fewest rods, or a plan
// from stock).
ExactRunControls exactRunControls(const MethodChoice& choice, const std::atomic<bool>& stop);

// The result of the fewest-rods method, and of a plan from a stock list, as a method's result.
MethodResult fewestRodsMethodResult(FewestRodsResult fewest);
MethodResult stockMethodResult(StockPlanResult planned);

// Runs the chosen method on the prepared pieces (at least one), on rods of the usable length
// (the trim taken off both ends). The search consumes them and its result carries the bound that
// costs no search. The fewest-rods method ends at its time limit or when `stop` is raised, with
// the best plan found so far, and tells the observer of every better plan or bound. With a stock
// list the run plans from it at the lowest price instead, under the same time limit and stop.
MethodResult runMethod(PieceList& pieces, const JobParameters& parameters,
                       const MethodChoice& choice, RunObserver& observer,
                       const std::atomic<bool>& stop, const StockList& stock = {});

}  // namespace marlo
