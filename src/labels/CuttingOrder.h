#pragma once

#include <vector>

#include "model/JobParameters.h"
#include "model/RodPattern.h"
#include "model/StockList.h"

namespace marlo {

// The order in which the saw works through a plan: the 0-based indices of its patterns. Patterns
// cut from rods of the same length follow each other, longest rods first; among them those whose
// first (longest) cut is the same, longest first, so the stop is set once for each; otherwise the
// plan's own order stays. Nothing of the plan changes.
std::vector<int> cuttingOrder(const PatternTable& patterns, const JobParameters& parameters,
                              const StockList& stock);

}  // namespace marlo
