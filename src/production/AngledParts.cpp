#include "production/AngledParts.h"

#include "i18n/StringCatalogue.h"

namespace marlo {

mitre::MitreJob mitreJobOf(const MaterialParts& parts) {
    mitre::MitreJob job;
    job.material = {static_cast<double>(parts.parameters.cutThickness),
                    static_cast<double>(parts.profileHeight.value_or(0)), parts.mayTurn};
    for (size_t row = 0; row < parts.list.size(); ++row) {
        job.shapes.push_back({std::stod(parts.list[row].dimension), parts.rowAngles[row].start,
                              parts.rowAngles[row].end});
        job.pieces.push_back(std::stoi(parts.list[row].pieces));
    }
    return job;
}

std::vector<RejectedRow> refuseTooLong(mitre::MitreJob& job, int16_t longestUsable) {
    std::vector<RejectedRow> refused;
    for (size_t kind = 0; kind < job.shapes.size(); ++kind) {
        if (job.pieces[kind] <= 0) continue;
        const int row = static_cast<int>(kind) + 1;
        if (job.shapes[kind].length <= 0) {
            refused.push_back({row, msg::kNotPositive});
        } else if (mitre::aloneLength(job, static_cast<int>(kind)) >= longestUsable) {
            refused.push_back({row, msg::kDimensionTooLong});
        } else {
            continue;
        }
        job.pieces[kind] = 0;
    }
    return refused;
}

}  // namespace marlo
