#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Job.h"
#include "model/Part.h"

namespace marlo {

// A production job as the office sends it: several materials, each part with its mark, order
// and the angles of its ends. A *.opt job is the one-material job of model/Job.h.

// The bounds of a part that the job file, the parts-list import and the planner agree on.
inline constexpr int32_t kMaxPartLength = 100000;  // mm
inline constexpr int32_t kMaxPartPieces = 100000;
inline constexpr double kMaxPartAngle = 75.0;  // degrees either way from square

// Fields of a job file that this program does not know (written by a newer version of it or by
// another program), kept so that saving the job again writes them back: the text of a JSON
// object holding them, empty when there are none.
struct UnknownFields {
    std::string json;

    bool operator==(const UnknownFields&) const = default;
};

// The header of a *.opt job and a note for the workshop.
struct ProductionJobHeader : JobHeader {
    std::string note;
    UnknownFields unknown;

    bool operator==(const ProductionJobHeader&) const = default;
};

// What the job says of one material. Each setting left empty is not set in the job: the plan then
// takes it from the stock store or the program's parameters.
struct JobMaterial {
    std::string name;
    std::optional<int16_t> cutThickness;   // mm
    std::optional<int16_t> trim;           // mm off each end of every rod
    std::optional<int16_t> rodLength;      // mm
    std::optional<int16_t> profileHeight;  // mm, for the cuts at an angle
    std::optional<bool> mayTurn;           // a piece may be turned over to share an angled cut
    UnknownFields unknown;

    bool operator==(const JobMaterial&) const = default;
};

// One part of the job with the fields of its row that this program does not know.
struct PartRow {
    Part part;
    UnknownFields unknown;

    bool operator==(const PartRow&) const = default;
};

struct ProductionJob {
    ProductionJobHeader header;
    std::vector<JobMaterial> materials;  // a material's name appears at most once
    std::vector<PartRow> parts;
    UnknownFields unknown;

    bool operator==(const ProductionJob&) const = default;
};

// The names of the materials the parts are cut from, each once, in the order the parts first
// name them. A name may be missing from the job's materials: it then has no settings of its own.
std::vector<std::string> materialsOfParts(const ProductionJob& job);

// The production job of an imported parts list: named `name` (the list's file without its
// extension), its materials listed without settings of their own in the order the parts first
// name them.
ProductionJob productionJobOfParts(std::string name, std::vector<Part> parts);

// The job's settings of the material, or nothing when the job does not list it.
const JobMaterial* findMaterial(const ProductionJob& job, std::string_view name);

// The parts cut from the material, in the job's order.
std::vector<Part> partsOf(const ProductionJob& job, std::string_view material);

// The job's parts of material `from` are cut from material `to` instead (the name the stock store
// knows it by). The job's settings of `from` go over to `to`, unless the job already has settings
// of `to`: those then hold for all its parts (a name appears at most once), and the settings of
// `from` stay in the file as they were, unused.
void renameMaterial(ProductionJob& job, const std::string& from, const std::string& to);

}  // namespace marlo
