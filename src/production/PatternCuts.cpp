#include "production/PatternCuts.h"

#include "production/AngledParts.h"

namespace marlo {

PatternCuts patternCuts(const MaterialPlan& plan, size_t pattern) {
    PatternCuts cuts;
    if (pattern >= plan.result.cutOrders.size()) return cuts;
    cuts.cuts = plan.result.cutOrders[pattern];
    for (const PieceCut& cut : cuts.cuts) cuts.pieces.push_back({cut.kind, cut.turned});
    const mitre::MitreJob job = mitreJobOf(plan.parts);
    cuts.layout = mitre::layOut(cuts.pieces, job.shapes, job.material);
    return cuts;
}

void splitPatternsByParts(MaterialPlan& plan) {
    PlanResult& result = plan.result;
    if (result.cutOrders.empty()) return;
    PatternTable patterns;
    std::vector<std::vector<PieceCut>> cutOrders;
    std::vector<PatternParts> pieceParts;
    for (int p = 0; p < result.plan.patterns.count(); ++p) {
        const size_t first = pieceParts.size();
        for (const RodParts& rod : plan.pieceParts[static_cast<size_t>(p)]) {
            size_t group = first;
            while (group < pieceParts.size() && pieceParts[group].front() != rod) ++group;
            if (group == pieceParts.size()) {
                RodPattern& pattern = patterns.append();
                pattern = result.plan.patterns[p];
                pattern.rods = 0;
                cutOrders.push_back(result.cutOrders[static_cast<size_t>(p)]);
                pieceParts.emplace_back();
            }
            ++patterns[static_cast<int>(group)].rods;
            pieceParts[group].push_back(rod);
        }
    }
    orderAndNumberPatterns(patterns, false);
    result.plan.patterns = std::move(patterns);
    result.cutOrders = std::move(cutOrders);
    plan.pieceParts = std::move(pieceParts);
}

}  // namespace marlo
