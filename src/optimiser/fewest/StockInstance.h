#pragma once

#include <cstdint>
#include <vector>

#include "model/JobParameters.h"
#include "model/PieceList.h"
#include "model/StockList.h"
#include "optimiser/fewest/CuttingStock.h"

namespace marlo::fewest {

// A row of the stock as the exact method sees it: the rods of one stock row with their capacity
// in the instance's units, the price of one rod and how many there are.
struct StockBin {
    int32_t row = 0;     // index into the run's StockList
    int16_t usable = 0;  // mm: the rod's length less the trim at both ends
    Instance instance;   // the job's types with this bin's capacity
    double price = 0.0;
    int32_t available =
        0;  // rods of this row that a plan may take (the pieces bound the unlimited)
    bool limited = false;
};

// The job cut from a stock list: the types of the job, and the bins that can hold a piece.
struct StockInstance {
    std::vector<ItemType> types;  // longest first, weights in the bins' units
    std::vector<StockBin> bins;
    int pieceCount = 0;
    int mostPiecesPerRod = 0;  // over every bin
    // All prices are whole multiples of this step (0 when they are not multiples of 0.0001), so
    // a lower bound on the price rounds up to the next multiple.
    double priceStep = 0.0;
};

// One rod pattern cut from one bin.
struct StockColumn {
    size_t bin = 0;
    Pattern pattern;

    bool operator==(const StockColumn&) const = default;
};

// A plan: the columns with the rods cut each way, and the pieces of each type that are left
// uncut because the stock does not hold them.
struct StockPacking {
    std::vector<StockColumn> columns;
    std::vector<int32_t> rods;
    std::vector<int32_t> uncut;  // per type; all 0 in a complete plan

    void add(const StockColumn& column, int32_t count);
    int rodCount() const;
    bool complete() const;
};

// Rows that cannot hold the shortest piece, or have no rods, make no bin.
StockInstance stockInstanceOf(const PieceList& pieces, const JobParameters& parameters,
                              const StockList& stock);

// The packing with no more pieces of a type than wanted, equal columns merged, and as uncut
// exactly the pieces that no rod holds.
StockPacking withoutSurplus(const StockInstance& instance, const StockPacking& packing);

double priceOf(const StockInstance& instance, const StockPacking& packing);

// What the exact models add to the price of each rod, so that of plans of equal price the one
// with fewer rods costs less; all of it together stays below the prices' step.
double rodTieBreak(const StockInstance& instance);

// The cost the exact models minimise: the price, the tie-break of every rod, and `uncutPrice`
// for every uncut piece.
double costOf(const StockInstance& instance, const StockPacking& packing, double uncutPrice);

// The lowest price at or above `bound` that some choice of rods within the rows' quantities costs
// whose capacities together hold the weight of all pieces: no plan can cost anything in between.
// With a tolerance for the LP's rounding errors; the bound itself when the prices have no common
// step.
double roundedUpPrice(const StockInstance& instance, double bound);

// The rods per bin of the choices whose price lies in [lowest, below) and whose capacities hold
// the weight of all pieces, cheapest first and of equal prices the most capacity first: where any
// plan cheaper than `below` must lie. Rods that cost nothing are always all taken. The first
// `most` choices; none when there are too many to list.
std::vector<std::vector<int32_t>> rodChoicesPricedWithin(const StockInstance& instance,
                                                         double lowest, double below, size_t most);

// The packing as a result: one rod pattern per column, lengths longest first, each naming its
// stock row, wastes figured on the bin's usable length, the patterns ordered as the fewest-rods
// method orders them.
CuttingPlan cuttingPlanOf(const StockInstance& instance, const StockPacking& packing,
                          const JobParameters& parameters);

}  // namespace marlo::fewest
