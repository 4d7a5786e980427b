#pragma once

#include <optional>

#include "optimiser/fewest/CutMaster.h"

namespace marlo::fewest {

// Strengthens the master's relaxation by subset-row cuts, in rounds: the relaxation solved to
// the end, then the cuts it violates most. Ends once the bound rounded up reaches `enoughRods`,
// no cut is violated, the bound stalls for `stalledRounds` rounds, or the cuts grow too many. The
// proven bound of the relaxation with its cuts; none when a solve could not end.
std::optional<double> strengthenWithCuts(CutMaster& master, const Instance& instance,
                                         int enoughRods, int stalledRounds);

}  // namespace marlo::fewest
