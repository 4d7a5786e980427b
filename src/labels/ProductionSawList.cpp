#include "labels/ProductionSawList.h"

#include "labels/AngledSawStep.h"

namespace marlo {

std::vector<MaterialSawList> productionSawLists(const ProductionPlan& plan) {
    std::vector<MaterialSawList> lists;
    for (const MaterialPlan& material : plan.materials) {
        if (!material.hasPlan()) continue;
        MaterialSawList& list = lists.emplace_back();
        list.material = material.parts.material;
        list.saw = sawList(material.parts.list, material.result);
        for (SawStep& step : list.saw.steps) {
            const size_t index = static_cast<size_t>(step.index);
            list.parts.push_back(index < material.pieceParts.size() ? material.pieceParts[index]
                                                                    : PatternParts{});
            // Every rod and cut has its entry, -1 where the plan names no part.
            PatternParts& rods = list.parts.back();
            rods.resize(static_cast<size_t>(step.rods));
            for (RodParts& cuts : rods) cuts.resize(step.cuts.size(), -1);
            cutAsLaidOut(step, rods, material, index);
        }
    }
    return lists;
}

std::vector<RodRun> rodRuns(const PatternParts& rods) {
    std::vector<RodRun> runs;
    for (size_t rod = 0; rod < rods.size(); ++rod) {
        if (!runs.empty() && rods[rod] == rods[rod - 1])
            ++runs.back().rods;
        else
            runs.push_back({static_cast<int>(rod) + 1, 1});
    }
    return runs;
}

}  // namespace marlo
