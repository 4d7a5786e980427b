#pragma once

#include <atomic>
#include <optional>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/RunObserver.h"

namespace marlo {

// What a run of either method leaves.
struct MethodResult {
    OptimisationMethod method = OptimisationMethod::Search;
    CuttingPlan plan;
    std::optional<int> lowerBound;  // rods that every plan needs, when figured
    bool optimal = false;           // the plan is proven to use the fewest rods
};

// Runs the chosen method on the prepared pieces (at least one). The search consumes them and
// its result carries the bound that costs no search. The fewest-rods method ends at its time
// limit or when `stop` is raised, with the best plan found so far, and tells the observer of
// every better plan or bound.
MethodResult runMethod(PieceList& pieces, const JobParameters& parameters,
                       const MethodChoice& choice, RunObserver& observer,
                       const std::atomic<bool>& stop);

}  // namespace marlo
