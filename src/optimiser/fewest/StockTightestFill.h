#pragma once

#include "optimiser/fewest/StockInstance.h"

namespace marlo::fewest {

// A plan that fills one rod at a time as tightly as the pieces left allow: for every row with
// rods left, the fullest load of pieces left that holds the longest piece the rod can take; of
// these, the rod that costs least per unit of load (of free rods, the fullest) is cut. Where the
// rods are few for the pieces, it finds plans that first fit misses. Pieces that no row with rods
// left holds stay uncut. `demand` per type, `available` rods per bin.
StockPacking tightestFill(const StockInstance& instance, const std::vector<int32_t>& demand,
                          const std::vector<int32_t>& available);

}  // namespace marlo::fewest
