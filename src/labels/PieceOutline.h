#pragma once

#include <vector>

#include "diagram/DiagramLayout.h"
#include "mitre/MitreGeometry.h"

namespace marlo {

// The outline of a piece with angled ends, drawn small on its label as the piece lies unturned:
// its reference face (where its length is measured) below and heavier, its opposite face above,
// and its two cuts between them at their true angles. The length is shortened to the room, the
// height and the cuts' lean are to one scale. The outline keeps to the room's right edge and
// stands in the middle of its height. Empty when it does not fit the room without squeezing the
// piece's faces or lines too small to read, or when the profile's height is not known or the
// piece's faces cross.
std::vector<DiagramLine> pieceOutline(const mitre::PieceShape& piece, double profileHeight,
                                      const RectMm& room);

}  // namespace marlo
