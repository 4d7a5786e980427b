#include "model/ProductionJob.h"

#include <algorithm>
#include <utility>

namespace marlo {

std::vector<std::string> materialsOfParts(const ProductionJob& job) {
    std::vector<std::string> names;
    for (const PartRow& row : job.parts)
        if (std::find(names.begin(), names.end(), row.part.material) == names.end())
            names.push_back(row.part.material);
    return names;
}

ProductionJob productionJobOfParts(std::string name, std::vector<Part> parts) {
    ProductionJob job;
    job.header.name = std::move(name);
    for (Part& part : parts) job.parts.push_back({std::move(part), {}});
    for (const std::string& material : materialsOfParts(job)) {
        JobMaterial listed;
        listed.name = material;
        job.materials.push_back(std::move(listed));
    }
    return job;
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

void renameMaterial(ProductionJob& job, const std::string& from, const std::string& to) {
    if (from == to) return;
    for (PartRow& row : job.parts)
        if (row.part.material == from) row.part.material = to;
    // The settings go with the name, unless the job has settings under the new name already.
    if (findMaterial(job, to) != nullptr) return;
    for (JobMaterial& material : job.materials)
        if (material.name == from) material.name = to;
}

}  // namespace marlo
