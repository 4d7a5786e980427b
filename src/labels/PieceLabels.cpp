#include "labels/PieceLabels.h"

#include "labels/LabelCode.h"

namespace marlo {

std::vector<PieceLabel> pieceLabels(const JobHeader& header, const SawList& saw,
                                    const std::string& reference, const std::string& date) {
    std::vector<PieceLabel> labels;
    for (const SawStep& step : saw.steps) {
        for (int rod = 1; rod <= step.rods; ++rod) {
            for (size_t i = 0; i < step.cuts.size(); ++i) {
                const SawCut& cut = step.cuts[i];
                const int piece = static_cast<int>(i) + 1;
                labels.push_back({header, cut.length, cut.row, step.pattern, rod, step.rods, piece,
                                  date,
                                  pieceLabelCode(reference, cut.row, step.pattern, rod, piece)});
            }
        }
    }
    return labels;
}

}  // namespace marlo
