#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#include "optimiser/fewest/Deadline.h"
#include "optimiser/fewest/StockInstance.h"

namespace marlo::fewest {

struct StockArcFlowOutcome {
    std::optional<StockPacking> better;  // a plan cheaper than the incumbent
    bool finished = false;   // the model was solved: `better`, or else the incumbent, is optimal
    double costBound = 0.0;  // on the cost (prices and the tie-break per rod) of every plan
    uint64_t nodes = 0;
};

// The exact arc-flow model over every stock length: a rod is a path of piece arcs from load 0
// through the partial loads, then along unused parts to the load nearest a bin's capacity and
// into that bin's end, which costs its price; the rods into a limited bin's end are at most its
// rods. Pieces may stay uncut at the uncut price. The cost is that of costOf. Without an incumbent
// the model is solved as it is; with one, it is asked for a cheaper plan only. The search ends at
// the first plan that costs `enough` or less (not finished then). CBC runs on `threads` threads
// (the same search on any number).
StockArcFlowOutcome solveStockArcFlow(const StockInstance& instance, double uncutPrice,
                                      const std::optional<StockPacking>& incumbent, int leastRods,
                                      const Deadline& deadline, int threads,
                                      double enough = -std::numeric_limits<double>::infinity());

}  // namespace marlo::fewest
