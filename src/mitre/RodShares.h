#pragma once

#include <vector>

#include "mitre/MitreGeometry.h"

namespace marlo::mitre {

// A lower bound on the rod each piece takes, whatever its neighbours: its mean length and, at
// each end, half of the least that end's boundary can cost with any end of the material's pieces
// beside it (the rest of that boundary is booked to the neighbour). A rod's two squared ends take
// less than such a share: `endAllowance` is the most they can give back together. So the
// pieces of every rod that can be cut have shares adding up to at most its usable length plus
// the allowance, and a plan of rods so filled needs no more rods than any real plan: the bound of
// the plans of square pieces of these lengths is a bound of the angled job. For square pieces
// the share is the length plus one cut, and the allowance one cut: the square job itself.
struct RodShares {
    std::vector<double> shares;  // per shape
    double endAllowance = 0.0;
};

RodShares rodShares(const std::vector<PieceShape>& shapes, const MitreMaterial& material);

}  // namespace marlo::mitre
