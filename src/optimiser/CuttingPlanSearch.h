#pragma once

#include "model/JobParameters.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/RunObserver.h"

namespace marlo {

// Cuts the prepared pieces rod by rod with the depth-first search and returns the plan.
// `pieces` must hold at least one piece; the search consumes it.
CuttingPlan searchCuttingPlan(PieceList& pieces, const JobParameters& parameters,
                              RunObserver& observer);

}  // namespace marlo
