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
    const auto settingsOf = [&job](const std::string& name) {
        return std::find_if(job.materials.begin(), job.materials.end(),
                            [&name](const JobMaterial& m) { return m.name == name; });
    };
    const auto old = settingsOf(from);
    if (old != job.materials.end() && settingsOf(to) == job.materials.end()) old->name = to;
}

}  // namespace marlo
