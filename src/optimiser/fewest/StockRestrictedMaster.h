#pragma once

#include <optional>
#include <vector>

#include "optimiser/fewest/Deadline.h"
#include "optimiser/fewest/StockInstance.h"

namespace marlo::fewest {

// The cheapest plan (by costOf) made of the given columns only that costs less than `incumbent`
// and has at least `leastRods` rods (which every plan has), as an integer program for CBC: quick
// where the columns of the relaxation suffice, and no proof of anything.
std::optional<StockPacking> planFromColumns(const StockInstance& instance,
                                            const std::vector<StockColumn>& columns,
                                            double uncutPrice, const StockPacking& incumbent,
                                            int leastRods, const Deadline& deadline);

}  // namespace marlo::fewest
