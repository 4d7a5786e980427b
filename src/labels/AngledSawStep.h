#pragma once

#include <cstddef>

#include "labels/SawList.h"
#include "production/PartsOfPieces.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// A step of an angled material's saw list cut as its pattern's cut order says: its cuts (and the
// parts of each rod's cuts) in cutting order, each with where it lies on the rod's reference
// face, its angles as it lies and whether it is turned over; the leftover behind the last
// piece's far point. Nothing changes for a pattern of square pieces.
void cutAsLaidOut(SawStep& step, PatternParts& rods, const MaterialPlan& plan, size_t pattern);

}  // namespace marlo
