#pragma once

#include <memory>
#include <span>
#include <vector>

#include "optimiser/fewest/Deadline.h"
#include "optimiser/fewest/StockInstance.h"

namespace marlo::fewest {

// The linear relaxation of cutting the job from a stock list at the lowest cost (costOf: the
// price and the tie-break of every rod, so that equal prices lead to columns of fewer rods; every
// type gets its demand, no row gives more rods than it has, fractions allowed), by column
// generation: the LP over the columns known so far, and for every bin the most valuable pattern at
// the LP's prices as a new column while one can lower the cost. A piece may also stay uncut at a
// price above that of any complete plan, so that the LP always has a solution and a stock that
// cannot hold the job shows in it.
class StockColumnGeneration {
  public:
    struct Solution {
        double value = 0.0;         // of the LP over the known columns
        double lowerBound = 0.0;    // proven for the relaxation (equals value when complete)
        bool solved = false;        // the LP over the known columns has an optimum
        bool complete = false;      // no column can lower the value
        std::vector<double> rods;   // per known column
        std::vector<double> uncut;  // per type
    };

    // What a rod costs in the LP: its price with the tie-break, or one, for the fewest rods.
    enum class Objective { Price, Rods };

    explicit StockColumnGeneration(const StockInstance& instance,
                                   Objective objective = Objective::Price);
    ~StockColumnGeneration();
    StockColumnGeneration(const StockColumnGeneration&) = delete;
    StockColumnGeneration& operator=(const StockColumnGeneration&) = delete;

    void addColumn(const StockColumn& column);
    void addColumns(std::span<const StockColumn> columns);
    const std::vector<StockColumn>& columns() const { return columns_; }
    int pricings() const { return pricings_; }
    // The price of leaving one piece uncut.
    double uncutPrice() const { return uncutPrice_; }

    // Solves the relaxation until no column lowers it, or until the deadline (not complete).
    Solution solve(const Deadline& deadline);

    // Keeps at least `rods` rods of a known column in every solution from now on, as a dive
    // fixes them; a solve's bound then holds for the fixed problem only.
    void fixAtLeast(size_t column, double rods);
    void releaseFixings();

    // Asks for at least this many rods in all, a bound every plan keeps (the fewest rods of the
    // relaxation, rounded up), which closes much of the gap between the LP and the plans.
    void requireRods(int rods);

  private:
    class Lp;

    double costOfRod(size_t bin) const;
    bool known(const StockColumn& column) const;

    const StockInstance& instance_;
    const Objective objective_;
    std::unique_ptr<Lp> lp_;
    std::vector<StockColumn> columns_;
    std::vector<std::vector<size_t>> columnsOfBin_;  // per bin: its known columns
    double uncutPrice_ = 0.0;
    int pricings_ = 0;
};

}  // namespace marlo::fewest
