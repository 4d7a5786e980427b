#pragma once

#include "optimiser/fewest/StockInstance.h"

namespace marlo::fewest {

// A quick plan: the pieces longest first, each into the first rod with room, else into a new rod
// of the row that is cheapest per millimetre among those with rods left that hold it; then every
// rod moves to the cheapest row with rods left that holds its pieces. Pieces that no row with rods
// left holds stay uncut. `demand` per type, `available` rods per bin.
StockPacking cheapestFirstFit(const StockInstance& instance, const std::vector<int32_t>& demand,
                              const std::vector<int32_t>& available);

}  // namespace marlo::fewest
