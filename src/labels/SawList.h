#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "labels/PatternStock.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/RodPattern.h"
#include "model/StockList.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/PlanResult.h"

namespace marlo {

// A piece with angled ends as it lies on the rod: where it starts and ends on the rod's reference
// face (mm from the rod's start, the trim included), the cut at each end as it lies (degrees from
// square, positive where the blade leans towards the rod's far end on the opposite face, negative
// where it leans back), whether its start cut is the one that freed the piece before, and whether
// it lies turned over (its reference face on the rod's opposite face, its end first).
struct AngledCut {
    double start = 0.0;
    double end = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;
    bool sharesStart = false;
    bool turned = false;

    bool operator==(const AngledCut&) const = default;
};

// One cut of a rod: the piece that comes off and where the saw cuts to free it, measured from
// the rod's start (the trim, the pieces before it with their cuts, then its own length).
struct SawCut {
    int16_t length = 0;
    int32_t position = 0;
    int row = 0;  // the cutting-list row of the piece (listRowOf)
    std::optional<AngledCut> angled;
};

// One pattern at the saw: how many rods are cut alike and the cuts of each rod, in order.
struct SawStep {
    int16_t pattern = 0;  // the pattern's sequence number in the plan
    int16_t rods = 0;
    PatternStock stock;
    std::vector<SawCut> cuts;
    // What is left behind the last cut, up to the trim at the rod's end: stock length - trim -
    // the last position. The saw's last cut still takes its thickness from it.
    int32_t leftover = 0;
    bool leftoverKept = false;  // long enough to keep as an offcut (see leftoverIsKept)
    int index = 0;              // the pattern's place in the plan's table, from 0
};

struct SawList {
    int16_t trim = 0;
    int16_t cutThickness = 0;
    std::vector<SawStep> steps;  // in cutting order
};

// A remnant (what is left once the last cut is made) is kept for later jobs when it is at least
// as long as the upper edge of the waste band; anything shorter is waste.
bool leftoverIsKept(int32_t remnant, const JobParameters& parameters);

// The saw list of a finished plan, its patterns in cutting order, each on the stock it is cut
// from (the plan's own stock, or new rods of the parameters' length for a single-length plan).
SawList sawList(const CuttingList& list, const CuttingPlan& plan, const JobParameters& parameters);

// The saw list of a finished plan result, with the parameters its run was asked with.
inline SawList sawList(const CuttingList& list, const PlanResult& result) {
    return sawList(list, result.plan, result.parameters);
}

}  // namespace marlo
