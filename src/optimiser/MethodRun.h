#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/PieceList.h"
#include "model/StockList.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/PlanResult.h"
#include "optimiser/RunObserver.h"
#include "optimiser/fewest/FewestRods.h"
#include "optimiser/fewest/StockCutting.h"

namespace marlo {

// The time limit, stop and threads of the chosen method for an exact run (fewest rods, or a plan
// from stock).
ExactRunControls exactRunControls(const MethodChoice& choice, const std::atomic<bool>& stop);

// The result of the fewest-rods method, and of a plan from a stock list, as the plan result of a
// run asked with these parameters.
PlanResult fewestRodsPlanResult(FewestRodsResult fewest, const JobParameters& parameters);
PlanResult stockPlanResult(StockPlanResult planned, const JobParameters& parameters);

// A price summed in another order differs in its last bits (516 and 516.0000000000001): rounded
// to ten-thousandths, where every output takes it from, it prints the same in every run.
double roundedPrice(double price);

// The result of the search, with the bound that costs no search: proven when the plan meets it.
PlanResult searchPlanResult(CuttingPlan plan, int lowerBound, const JobParameters& parameters);

// Runs the chosen method on the prepared pieces (at least one), on rods of the usable length
// (the trim taken off both ends). The search consumes them and its result carries the bound that
// costs no search. The fewest-rods method ends at its time limit or when `stop` is raised, with
// the best plan found so far, and tells the observer of every better plan or bound. With a stock
// list the run plans from it at the lowest price instead, under the same time limit and stop.
PlanResult runMethod(PieceList& pieces, const JobParameters& parameters, const MethodChoice& choice,
                     RunObserver& observer, const std::atomic<bool>& stop,
                     const StockList& stock = {});

}  // namespace marlo
