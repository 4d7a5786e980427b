#include "production/MaterialParts.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <tuple>

namespace marlo {

bool MaterialParts::hasAngles() const {
    return std::any_of(rowAngles.begin(), rowAngles.end(),
                       [](const RowAngles& a) { return a != RowAngles{}; });
}

JobParameters materialParameters(const JobMaterial* material, const JobParameters& base) {
    JobParameters parameters = base;
    if (material == nullptr) return parameters;
    if (material->cutThickness) parameters.cutThickness = *material->cutThickness;
    if (material->trim) parameters.trim = *material->trim;
    if (material->rodLength) parameters.rodLength = *material->rodLength;
    return parameters;
}

MaterialParts materialParts(const ProductionJob& job, const std::string& material,
                            const JobParameters& base, const MitreDefaults& mitre) {
    const JobMaterial* settings = findMaterial(job, material);
    MaterialParts parts{material, materialParameters(settings, base), {}, {}, {}, {}, false};
    parts.profileHeight = settings != nullptr && settings->profileHeight ? settings->profileHeight
                                                                         : mitre.profileHeight;
    parts.mayTurn = settings != nullptr && settings->mayTurn ? *settings->mayTurn : mitre.mayTurn;
    std::map<std::tuple<int32_t, double, double>, size_t> rowOfPiece;
    std::vector<int64_t> pieces;
    for (size_t i = 0; i < job.parts.size(); ++i) {
        const Part& part = job.parts[i].part;
        if (part.material != material) continue;
        const auto [found, added] = rowOfPiece.try_emplace(
            {part.length, part.startAngle, part.endAngle}, parts.rowParts.size());
        if (added) {
            parts.rowParts.emplace_back();
            parts.rowAngles.push_back({part.startAngle, part.endAngle});
            pieces.push_back(0);
        }
        parts.rowParts[found->second].push_back(static_cast<int>(i));
        pieces[found->second] += std::max<int32_t>(part.pieces, 0);
    }
    parts.list.resize(parts.rowParts.size());
    for (const auto& [piece, row] : rowOfPiece)
        parts.list[row] = {std::to_string(std::get<0>(piece)), std::to_string(pieces[row])};
    return parts;
}

}  // namespace marlo
