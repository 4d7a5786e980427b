#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"
#include "optimiser/fewest/ReducedCostPatterns.h"

namespace marlo::fewest {

// An arc of the arc-flow graph between two loads of a rod: a piece of a type, or (type < 0) a
// part of the rod left unused.
struct Arc {
    int32_t from;
    int32_t to;
    int type;
};

// Graphs beyond this many arcs take CBC longer than a run has.
inline constexpr size_t kMostArcs = 400000;

// The arcs of the pieces within the instance's capacity: every plan's rods are paths of them,
// pieces heaviest first. None when the graph would pass kMostArcs or the deadline passes while it
// is built: a long list on a long rod makes graphs of gigabytes.
std::optional<std::vector<Arc>> pieceArcsOf(const Instance& instance, const Deadline& deadline);

// Which loads (0 .. capacity) an arc ends at.
std::vector<char> loadsReached(const Instance& instance, const std::vector<Arc>& arcs);

struct ArcFlowOutcome {
    std::optional<Packing> better;  // a plan with fewer rods than the incumbent
    int provenBound = 0;            // rods that every plan needs, as far as the model proved
    uint64_t nodes = 0;             // branch-and-bound nodes
};

// The exact arc-flow model (a rod is a path from 0 to the capacity through the partial loads,
// pieces placed longest first) as an integer program for CBC, asked for a plan with fewer rods
// than `incumbent`, on `threads` threads. Proving that there is none proves the incumbent optimal.
// With prices, only the arcs of paths that a plan of fewer rods may use are kept (see
// patternsWithinGap): where the relaxation leaves a gap of less than a rod, few are.
ArcFlowOutcome solveArcFlow(const Instance& instance, const Packing& incumbent, int bound,
                            const Deadline& deadline, int threads,
                            const FeasiblePrices* prices = nullptr);

}  // namespace marlo::fewest
