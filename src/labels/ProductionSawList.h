#pragma once

#include <string>
#include <vector>

#include "labels/SawList.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// The saw list of one material of a production job with the part every piece is cut for.
struct MaterialSawList {
    std::string material;
    SawList saw;
    // Per step of `saw` (cutting order), per rod, per cut: the index of the job's part the piece
    // is cut for, -1 for none.
    std::vector<PatternParts> parts;
};

// The saw lists of the materials that have a plan, in the plan's order of materials.
std::vector<MaterialSawList> productionSawLists(const ProductionPlan& plan);

// Rods of one pattern that follow each other and are cut for the same parts piece by piece.
struct RodRun {
    int firstRod = 1;  // from 1
    int rods = 0;
};
std::vector<RodRun> rodRuns(const PatternParts& rods);

// The part's number in the job (from 1), or 0 for none: what a production job's saw list and
// labels show where a *.opt job's show the cutting-list row.
inline int partNumber(int part) {
    return part + 1;
}

}  // namespace marlo
