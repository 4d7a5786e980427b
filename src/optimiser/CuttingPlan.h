#pragma once

#include "model/PlanSummary.h"
#include "model/RodPattern.h"

namespace marlo {

enum class RunStatus {
    Finished,  // every piece is cut; patterns ordered and numbered
    Stopped,   // the caller asked to stop; nothing of the run is valid
    Aborted,   // a rod would take a 98th piece, or a 51st pattern was needed; no result
};

// What a run leaves: the patterns (valid only when finished) and the totals. After an abort the
// totals are those of the last complete rod.
struct CuttingPlan {
    RunStatus status = RunStatus::Finished;
    int abortMessage = 0;  // catalogue offset of the abort's message
    PatternTable patterns;
    PlanSummary summary;
};

}  // namespace marlo
