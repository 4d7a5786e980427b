#include "labels/SawList.h"

#include "labels/CuttingOrder.h"
#include "labels/ListRows.h"

namespace marlo {

bool leftoverIsKept(int32_t remnant, const JobParameters& parameters) {
    return remnant > 0 && remnant >= parameters.maxWasteDimension;
}

SawList sawList(const CuttingList& list, const CuttingPlan& plan, const JobParameters& parameters) {
    const PatternTable& patterns = plan.patterns;
    const StockList& stock = plan.stock;
    SawList saw{parameters.trim, parameters.cutThickness, {}};
    for (const int index : cuttingOrder(patterns, parameters, stock)) {
        const RodPattern& pattern = patterns[index];
        SawStep step{pattern.sequence,
                     pattern.rods,
                     patternStock(pattern, parameters, stock),
                     {},
                     0,
                     false,
                     index};
        int32_t start = parameters.trim;
        for (int i = 0; i < pattern.pieceCount; ++i) {
            const int16_t length = pattern.lengths[static_cast<size_t>(i)];
            step.cuts.push_back({length, start + length, listRowOf(list, length), std::nullopt});
            start += length + parameters.cutThickness;
        }
        const int32_t lastPosition =
            step.cuts.empty() ? parameters.trim : step.cuts.back().position;
        step.leftover = step.stock.length - parameters.trim - lastPosition;
        step.leftoverKept = leftoverIsKept(step.leftover - parameters.cutThickness, parameters);
        saw.steps.push_back(std::move(step));
    }
    return saw;
}

}  // namespace marlo
