#pragma once

#include "model/JobParameters.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/fewest/ExactRunControls.h"

namespace marlo {

// A result of the fewest-rods method: the best plan found, a proven lower bound on the number
// of rods, and whether the plan is proven to use the fewest rods (its rods equal the bound).
struct FewestRodsResult {
    CuttingPlan plan;  // Finished with the best plan, or Aborted with the message of the abort
    int lowerBound = 0;
    bool optimal = false;
};

using FewestRodsOptions = ExactRunOptions<FewestRodsResult>;

// Plans the prepared pieces with as few rods as can be found within the time, and proves a lower
// bound: the linear relaxation by column generation with the cheap bounds, first- and best-fit
// plans, rounding of the relaxation, branch and price with subset-row cuts, the rod-by-rod
// search and an exact arc-flow model. The plan is never worse than the rod-by-rod search's when
// that search ends within the time.
// `pieces` must hold at least one piece; it is not changed.
FewestRodsResult solveFewestRods(const PieceList& pieces, const JobParameters& parameters,
                                 const FewestRodsOptions& options);

// The bound that costs no search: the larger of the continuous bound and the bound of
// Martello and Toth. What the rod-by-rod search's results show as their lower bound.
int cheapLowerBound(const PieceList& pieces, const JobParameters& parameters);

}  // namespace marlo
