#pragma once

#include <cstdint>
#include <optional>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

struct ArcFlowOutcome {
    std::optional<Packing> better;  // a plan with fewer rods than the incumbent
    int provenBound = 0;            // rods that every plan needs, as far as the model proved
    uint64_t nodes = 0;             // branch-and-bound nodes
};

// The exact arc-flow model (a rod is a path from 0 to the capacity through the partial loads,
// pieces placed longest first) as an integer program for CBC, asked for a plan with fewer rods
// than `incumbent`. Proving that there is none proves the incumbent optimal.
ArcFlowOutcome solveArcFlow(const Instance& instance, const Packing& incumbent, int bound,
                            const Deadline& deadline);

}  // namespace marlo::fewest
