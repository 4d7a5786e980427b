#pragma once

#include <cstdint>
#include <vector>

#include "mitre/MitreGeometry.h"

namespace marlo {

// A piece with angled ends as it lies on its rod.
struct AngledPiece {
    int16_t slot = 0;               // its place in the pattern's lengths
    mitre::PiecePosition position;  // on the rod's reference face, mm from the trim
    mitre::LyingEnds ends;          // the offsets and angles of its cuts as it lies
};

// How the saw cuts a pattern whose pieces have angled ends: its pieces in cutting order and the
// rod they take (mm from the trim). No pieces for a pattern cut as square pieces are.
struct AngledPattern {
    std::vector<AngledPiece> pieces;
    double lengthUsed = 0;
};

}  // namespace marlo
