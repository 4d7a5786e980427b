#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/ProductionJob.h"

namespace marlo {

// What the cuts at an angle take from a material that the job does not set for it.
struct MitreDefaults {
    std::optional<int16_t> profileHeight;  // mm
    bool mayTurn = false;
};

// The angles of a list row's pieces, degrees from square at their start and end.
struct RowAngles {
    double start = 0.0;
    double end = 0.0;

    bool operator==(const RowAngles&) const = default;
};

// One material of a production job as a run plans it: its parameters, and its parts as a cutting
// list of one row per length and angles, since such pieces are cut alike whatever their mark or
// order. `rowParts` names the parts (indexes into the job's parts) of each row; `rowAngles` the
// angles of each row's pieces.
struct MaterialParts {
    std::string material;
    JobParameters parameters;
    CuttingList list;
    std::vector<std::vector<int>> rowParts;
    std::vector<RowAngles> rowAngles;
    // For the cuts at an angle: the profile's height (none when neither the job nor the
    // defaults give it) and whether pieces may be turned over.
    std::optional<int16_t> profileHeight;
    bool mayTurn = false;

    // A piece of the material has an angled end.
    bool hasAngles() const;
};

// The parameters of the material's runs: what the job sets for the material over `base`.
JobParameters materialParameters(const JobMaterial* material, const JobParameters& base);

// The material's parts, its rows in the order the job first names each length and angles.
MaterialParts materialParts(const ProductionJob& job, const std::string& material,
                            const JobParameters& base, const MitreDefaults& mitre = {});

}  // namespace marlo
