#pragma once

#include <algorithm>
#include <cstdint>

#include "model/PlanSummary.h"
#include "model/RodPattern.h"
#include "model/StockList.h"

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
    // The stock the plan was cut from, which its patterns' stock rows index; empty for a run on
    // the single rod length of the parameters.
    StockList stock;
};

// The waste a rod is booked with: its remnant, or, where the last piece took the room of its cut,
// minus the sliver that piece leaves at the rod end.
inline int16_t bookedWaste(int32_t remnant, int32_t cut) {
    return static_cast<int16_t>(remnant > 0 ? remnant : -(remnant + cut));
}

// Adds rods cut with this waste to the totals: a positive waste is one waste piece per rod.
inline void bookRods(PlanSummary& summary, int16_t waste, int rods) {
    summary.rodCount = static_cast<int16_t>(summary.rodCount + rods);
    if (waste > 0) {
        summary.wastePieceCount = static_cast<int16_t>(summary.wastePieceCount + rods);
        summary.totalWaste += waste * rods;
    }
}

// The finished plan's order: by waste, smallest first and otherwise as found, when asked; then
// numbered from 1.
inline void orderAndNumberPatterns(PatternTable& patterns, bool sortByWaste) {
    if (sortByWaste) {
        std::stable_sort(
            patterns.begin(), patterns.end(),
            [](const RodPattern& a, const RodPattern& b) { return a.waste < b.waste; });
    }
    int16_t sequence = 0;
    for (RodPattern& pattern : patterns) pattern.sequence = ++sequence;
}

}  // namespace marlo
