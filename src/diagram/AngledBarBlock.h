#pragma once

#include <cstdint>
#include <map>

#include "diagram/AngledPattern.h"
#include "diagram/BarBlock.h"
#include "diagram/DiagramBlock.h"
#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "model/RodPattern.h"

namespace marlo {

// The bar of a pattern whose pieces have angled ends, drawn as the saw cuts it: the rod to scale
// with each piece in cutting order at its place, as the quadrilateral it is. The bar's lower edge
// is the rod's reference face, its upper edge the opposite face, the profile's height drawn as the
// bar's height: every length along the rod, a cut's offset too, is to the bar's scale, so the cuts
// lean as they do on the rod, only steeper. A cut two neighbours share is a dark line as wide as
// its kerf; the wedges between cuts of their own and at the rod's ends are waste, hatched like the
// remnant behind the last piece. Lengths, labels, the waste's box and the list below the bar are
// those of a bar of square pieces.
DiagramBlock angledBarBlock(const RodPattern& pattern, const AngledPattern& cuts, int index,
                            const JobParameters& parameters, const BarRod& rod,
                            const std::map<int16_t, Colour>& colours,
                            const StringCatalogue& catalogue);

// The line under the legend of a diagram with angled bars that says which face is which.
DiagramBlock referenceFaceNote(const StringCatalogue& catalogue);

}  // namespace marlo
