#pragma once

#include <string>
#include <vector>

#include "model/ProductionJob.h"
#include "model/RodPattern.h"
#include "optimiser/PlanResult.h"
#include "production/MaterialParts.h"

namespace marlo {

// The part of each piece of one rod, in the order of the pattern's pieces: indexes into the
// job's parts.
using RodParts = std::vector<int>;
// The parts of a pattern's pieces, one entry per rod cut that way.
using PatternParts = std::vector<RodParts>;

// Which part every piece of the plan is cut for: per pattern (in the plan's order), per rod, per
// piece. The pieces of one length go to the parts of that length in the job's order, pattern after
// pattern and rod after rod, so that the pieces of one mark are cut close together. Pieces of a
// length no part has any more (which a valid plan never cuts) get -1. Pieces with angled ends go
// to the parts of the row their pattern's cut order names.
std::vector<PatternParts> partsOfPieces(const PatternTable& patterns, const ProductionJob& job,
                                        const MaterialParts& parts,
                                        const std::vector<std::vector<PieceCut>>& cutOrders = {});

// The marks of a pattern's pieces, one list per rod in the order of its pieces; a piece without a
// part has an empty mark.
std::vector<std::vector<std::string>> marksOfRods(const PatternParts& rods,
                                                  const ProductionJob& job);

}  // namespace marlo
