#pragma once

#include "optimiser/fewest/CuttingStock.h"

namespace marlo::fewest {

// The total weight over the capacity, rounded up.
int continuousBound(const Instance& instance);

// The bound of Martello and Toth: for every threshold K up to half the capacity, the pieces
// heavier than capacity - K each need a rod of their own, those heavier than half the capacity
// need one each too, and the pieces of at least K that no such rod can take fill further rods.
int martelloTothBound(const Instance& instance);

}  // namespace marlo::fewest
