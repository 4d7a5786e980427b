#include "production/MaterialParts.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace marlo {

JobParameters materialParameters(const JobMaterial* material, const JobParameters& base) {
    JobParameters parameters = base;
    if (material == nullptr) return parameters;
    if (material->cutThickness) parameters.cutThickness = *material->cutThickness;
    if (material->trim) parameters.trim = *material->trim;
    if (material->rodLength) parameters.rodLength = *material->rodLength;
    return parameters;
}

MaterialParts materialParts(const ProductionJob& job, const std::string& material,
                            const JobParameters& base) {
    MaterialParts parts{material, materialParameters(findMaterial(job, material), base), {}, {}};
    std::map<int32_t, size_t> rowOfLength;
    std::vector<int64_t> pieces;
    for (size_t i = 0; i < job.parts.size(); ++i) {
        const Part& part = job.parts[i].part;
        if (part.material != material) continue;
        const auto [found, added] = rowOfLength.try_emplace(part.length, parts.rowParts.size());
        if (added) {
            parts.rowParts.emplace_back();
            pieces.push_back(0);
        }
        parts.rowParts[found->second].push_back(static_cast<int>(i));
        pieces[found->second] += std::max<int32_t>(part.pieces, 0);
    }
    parts.list.resize(parts.rowParts.size());
    for (const auto& [length, row] : rowOfLength)
        parts.list[row] = {std::to_string(length), std::to_string(pieces[row])};
    return parts;
}

}  // namespace marlo
