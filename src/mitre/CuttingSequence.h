#pragma once

#include <vector>

#include "mitre/MitreGeometry.h"

namespace marlo::mitre {

// A rod's pieces in the order they are cut, and the length of rod they take.
struct RodSequence {
    std::vector<LaidPiece> pieces;
    double lengthUsed = 0.0;
};

// The order and turning of a rod's pieces (`counts[k]` pieces of shape k) that take the least
// rod: neighbours share a cut where they can. Exact by dynamic programming over the pieces still
// to place and the last one placed; a rod of very many distinct pieces is ordered greedily
// instead, each next piece the one that fits the last cut best.
RodSequence shortestSequence(const std::vector<int>& counts, const std::vector<PieceShape>& shapes,
                             const MitreMaterial& material);

}  // namespace marlo::mitre
