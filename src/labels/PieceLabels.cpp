#include "labels/PieceLabels.h"

#include "labels/LabelCode.h"
#include "labels/ProductionSawList.h"

namespace marlo {

namespace {

// The profile height the material's cuts at an angle are planned with; 0 when not known.
double profileHeightOf(const ProductionPlan& plan, const std::string& material) {
    for (const MaterialPlan& planned : plan.materials)
        if (planned.parts.material == material) return planned.parts.profileHeight.value_or(0);
    return 0;
}

// The labels of a saw list's pieces in the order they come off the saw; `partOf(step, rod, cut)`
// (0-based) gives the row the label shows and, for a production job, its part.
template <typename PartOf>
void appendLabels(std::vector<PieceLabel>& labels, const JobHeader& header, const SawList& saw,
                  const std::string& reference, const std::string& date, const PartOf& partOf) {
    for (size_t s = 0; s < saw.steps.size(); ++s) {
        const SawStep& step = saw.steps[s];
        for (int rod = 1; rod <= step.rods; ++rod) {
            for (size_t i = 0; i < step.cuts.size(); ++i) {
                const int piece = static_cast<int>(i) + 1;
                auto [row, part] = partOf(s, static_cast<size_t>(rod - 1), i);
                labels.push_back(
                    {header, step.cuts[i].length, row, step.pattern, rod, step.rods, piece, date,
                     pieceLabelCode(reference, row, step.pattern, rod, piece), std::move(part)});
            }
        }
    }
}

}  // namespace

std::vector<PieceLabel> pieceLabels(const JobHeader& header, const SawList& saw,
                                    const std::string& reference, const std::string& date) {
    std::vector<PieceLabel> labels;
    appendLabels(labels, header, saw, reference, date, [&](size_t step, size_t, size_t cut) {
        return std::pair{saw.steps[step].cuts[cut].row, std::optional<LabelPart>()};
    });
    return labels;
}

std::vector<PieceLabel> productionPieceLabels(const ProductionJob& job, const ProductionPlan& plan,
                                              const std::string& reference,
                                              const std::string& date) {
    std::vector<PieceLabel> labels;
    for (const MaterialSawList& list : productionSawLists(plan)) {
        const double profileHeight = profileHeightOf(plan, list.material);
        appendLabels(labels, job.header, list.saw, reference, date,
                     [&](size_t step, size_t rod, size_t cut) {
                         const int part = list.parts[step][rod][cut];
                         LabelPart shown{list.material, {}, {}};
                         if (part >= 0) {
                             const Part& of = job.parts[static_cast<size_t>(part)].part;
                             shown.mark = of.mark;
                             shown.order = of.order;
                             shown.startAngle = of.startAngle;
                             shown.endAngle = of.endAngle;
                             if (shown.angled()) shown.profileHeight = profileHeight;
                         }
                         return std::pair{partNumber(part), std::optional<LabelPart>(shown)};
                     });
    }
    return labels;
}

}  // namespace marlo
