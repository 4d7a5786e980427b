#include "model/ProductionJob.h"

#include <algorithm>

namespace marlo {

std::vector<std::string> materialsOfParts(const ProductionJob& job) {
    std::vector<std::string> names;
    for (const PartRow& row : job.parts)
        if (std::find(names.begin(), names.end(), row.part.material) == names.end())
            names.push_back(row.part.material);
    return names;
}

const JobMaterial* findMaterial(const ProductionJob& job, std::string_view name) {
    const auto found = std::find_if(job.materials.begin(), job.materials.end(),
                                    [&](const JobMaterial& m) { return m.name == name; });
    return found == job.materials.end() ? nullptr : &*found;
}

std::vector<Part> partsOf(const ProductionJob& job, std::string_view material) {
    std::vector<Part> parts;
    for (const PartRow& row : job.parts)
        if (row.part.material == material) parts.push_back(row.part);
    return parts;
}

}  // namespace marlo
