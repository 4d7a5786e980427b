#pragma once

#include <optional>
#include <vector>

#include "mitre/CuttingSequence.h"
#include "mitre/MitrePlanning.h"
#include "mitre/RodShares.h"
#include "mitre/SquareJob.h"
#include "optimiser/CuttingPlan.h"

namespace marlo::mitre {

// A rod of the angled plan: where it comes from, its pieces per kind and how they are cut.
struct Rod {
    int32_t stockItem = -1;
    std::vector<int> counts;
    RodSequence sequence;
};

// The square plan's rods, each cut as it takes least. A rod too short in reality swaps a piece
// for a shorter one of a rod with room for the difference; where none is found, pieces it cannot
// hold move to other rods. Nothing when the stock has no rod left for them.
std::optional<std::vector<Rod>> fitRods(const CuttingPlan& plan, const SquareJob& square,
                                        const MitreJob& job, const RodShares& shares,
                                        const JobParameters& parameters, const StockList& stock);

}  // namespace marlo::mitre
