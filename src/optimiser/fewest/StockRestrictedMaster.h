#pragma once

#include <optional>
#include <vector>

#include "optimiser/fewest/Deadline.h"
#include "optimiser/fewest/StockInstance.h"

namespace marlo::fewest {

// The cheapest plan (by costOf) made of the given columns only that costs less than `incumbent`
// and has at least `leastRods` rods (which every plan has), as an integer program for CBC: quick
// where the columns of the relaxation suffice, and no proof of anything. The search ends at the
// first plan that costs `enough` or less. CBC runs on `threads` threads (the same search on any
// number).
std::optional<StockPacking> planFromColumns(const StockInstance& instance,
                                            const std::vector<StockColumn>& columns,
                                            double uncutPrice, const StockPacking& incumbent,
                                            int leastRods, const Deadline& deadline, int threads,
                                            double enough);

// A complete plan made of the given columns and of patterns that repeat without surplus that
// costs no more than the complete `incumbent` (the same price and rods, as it is the cheapest
// known) and cuts the pieces in fewer patterns, as few as CBC finds by the deadline; none when it
// finds no such plan. CBC runs on `threads` threads.
std::optional<StockPacking> planWithFewerPatterns(const StockInstance& instance,
                                                  const std::vector<StockColumn>& columns,
                                                  const StockPacking& incumbent,
                                                  const Deadline& deadline, int threads);

}  // namespace marlo::fewest
