#pragma once

#include <vector>

#include "diagram/DiagramLayout.h"

namespace marlo {

// The lines of a hatch, rising at 45° from lower left to upper right, every `spacing` mm along
// the rectangle's lower edge, each cut off at the rectangle's sides. Devices that ignore a clip
// (an SVG file) draw them as they are and still hatch nothing outside the rectangle.
std::vector<DiagramLine> hatchLines(const DiagramHatch& hatch);

}  // namespace marlo
