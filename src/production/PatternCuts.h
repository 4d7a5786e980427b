#pragma once

#include <cstddef>
#include <vector>

#include "mitre/MitreGeometry.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// How a pattern of a material's plan cuts its rods when its pieces have angled ends: the pieces
// in cutting order, where each lies on the rod's reference face and the rod they take.
struct PatternCuts {
    std::vector<PieceCut> cuts;
    std::vector<mitre::LaidPiece> pieces;
    mitre::RodLayout layout;
};

// Empty for a pattern of square pieces.
PatternCuts patternCuts(const MaterialPlan& plan, size_t pattern);

// The rods of each pattern of an angled plan grouped by the parts they are cut for, each group a
// pattern of its own: every rod of a pattern then cuts the same marks in the same order.
void splitPatternsByParts(MaterialPlan& plan);

}  // namespace marlo
