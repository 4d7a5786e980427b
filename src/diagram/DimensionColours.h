#pragma once

#include <cstdint>
#include <map>
#include <span>

#include "diagram/DiagramLayout.h"
#include "model/RodPattern.h"

namespace marlo {

// One fill colour per distinct dimension of a result, the same in every bar and in the legend.
// Dimensions that stand side by side in some bar get different colours and, as far as the
// palette allows, different shades of grey, so that the drawing still reads in grey print;
// dimensions that share a bar get different colours where the palette has enough.
// The same result always gets the same colours.
std::map<int16_t, Colour> dimensionColours(std::span<const RodPattern> patterns);

// The grey value (0..255) a colour prints as.
double greyValue(Colour colour);

}  // namespace marlo
