#include "diagram/ProductionDiagram.h"

#include "diagram/DiagramComposer.h"
#include "diagram/DiagramSource.h"
#include "production/AngledParts.h"
#include "production/PatternCuts.h"

namespace marlo {

namespace {

// How each pattern of a material with angled ends is cut; nothing for a square material.
std::vector<AngledPattern> angledPatterns(const MaterialPlan& plan) {
    std::vector<AngledPattern> patterns;
    if (plan.result.cutOrders.empty()) return patterns;
    const mitre::MitreJob job = mitreJobOf(plan.parts);
    for (int p = 0; p < plan.result.plan.patterns.count(); ++p) {
        const PatternCuts cuts = patternCuts(plan, static_cast<size_t>(p));
        AngledPattern& pattern = patterns.emplace_back();
        pattern.lengthUsed = cuts.layout.lengthUsed;
        for (size_t i = 0; i < cuts.cuts.size(); ++i) {
            const PieceCut& cut = cuts.cuts[i];
            const mitre::PieceShape& shape = job.shapes[static_cast<size_t>(cut.kind)];
            pattern.pieces.push_back(
                {cut.slot, cuts.layout.positions[i],
                 mitre::lyingEnds(shape, cut.turned, job.material.profileHeight)});
        }
    }
    return patterns;
}

}  // namespace

DiagramLayout composeProductionDiagram(const ProductionJob& job, const ProductionPlan& plan,
                                       const StringCatalogue& catalogue, char decimalSeparator) {
    DiagramLayout diagram;
    for (const MaterialPlan& material : plan.materials) {
        if (!material.hasPlan()) continue;
        DiagramSource source = diagramSource(job.header, material.result, decimalSeparator);
        source.material = material.parts.material;
        source.angled = angledPatterns(material);
        DiagramLayout pages = composeDiagram(source, catalogue);
        for (DiagramPage& page : pages.pages) diagram.pages.push_back(std::move(page));
    }
    return diagram;
}

}  // namespace marlo
