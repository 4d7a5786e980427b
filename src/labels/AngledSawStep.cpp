#include "labels/AngledSawStep.h"

#include <cmath>

#include "production/AngledParts.h"
#include "production/PatternCuts.h"

namespace marlo {

namespace {

// The angle of a cut as it lies: its size, signed by the way the blade leans.
double lyingAngle(const mitre::CutEnd& end) {
    if (end.offset == 0.0) return 0.0;
    return end.offset > 0.0 ? std::abs(end.angle) : -std::abs(end.angle);
}

}  // namespace

void cutAsLaidOut(SawStep& step, PatternParts& rods, const MaterialPlan& plan, size_t pattern) {
    const PatternCuts laid = patternCuts(plan, pattern);
    if (laid.cuts.empty()) return;
    const mitre::MitreJob job = mitreJobOf(plan.parts);
    const double trim = plan.result.parameters.trim > 0 ? plan.result.parameters.trim : 0;
    const std::vector<SawCut> bySlot = step.cuts;
    const PatternParts partsBySlot = rods;
    step.cuts.clear();
    mitre::CutEnd before;
    for (size_t j = 0; j < laid.cuts.size(); ++j) {
        const PieceCut& piece = laid.cuts[j];
        const mitre::LyingEnds ends = mitre::lyingEnds(job.shapes[static_cast<size_t>(piece.kind)],
                                                       piece.turned, job.material.profileHeight);
        const mitre::PiecePosition& at = laid.layout.positions[j];
        SawCut cut = bySlot[static_cast<size_t>(piece.slot)];
        cut.angled = AngledCut{trim + at.referenceStart,
                               trim + at.referenceEnd,
                               lyingAngle(ends.left),
                               lyingAngle(ends.right),
                               j > 0 && sharedCut(before, ends.left),
                               piece.turned};
        cut.position = static_cast<int32_t>(std::lround(cut.angled->end));
        step.cuts.push_back(cut);
        before = ends.right;
        for (size_t rod = 0; rod < rods.size(); ++rod)
            if (static_cast<size_t>(piece.slot) < partsBySlot[rod].size())
                rods[rod][j] = partsBySlot[rod][static_cast<size_t>(piece.slot)];
    }
    const double behind = step.stock.length - 2 * trim - laid.layout.lengthUsed;
    step.leftover = static_cast<int32_t>(std::floor(behind + 1e-6));
    step.leftoverKept = leftoverIsKept(
        static_cast<int32_t>(std::floor(
            behind - mitre::kerfAlongRod(job.material.cutThickness, before.angle) + 1e-6)),
        plan.result.parameters);
}

}  // namespace marlo
