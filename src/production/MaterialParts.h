#pragma once

#include <string>
#include <vector>

#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/ProductionJob.h"

namespace marlo {

// One material of a production job as a run plans it: its parameters, and its parts as a cutting
// list of one row per length, since pieces of the same length are cut alike whatever their mark
// or order. `rowParts` names the parts (indexes into the job's parts) of each row.
struct MaterialParts {
    std::string material;
    JobParameters parameters;
    CuttingList list;
    std::vector<std::vector<int>> rowParts;
};

// The parameters of the material's runs: what the job sets for the material over `base`.
JobParameters materialParameters(const JobMaterial* material, const JobParameters& base);

// The material's parts, its rows in the order the job first names each length.
MaterialParts materialParts(const ProductionJob& job, const std::string& material,
                            const JobParameters& base);

}  // namespace marlo
