#pragma once

#include <memory>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

// The linear relaxation of the cutting-stock problem (fewest rods such that every type gets its
// demand, any number of rods per pattern, fractions allowed), solved by column generation: the
// LP over the patterns known so far, and a new pattern from the exact knapsack over the prices
// of the LP as long as one can lower the LP's value.
class ColumnGeneration {
  public:
    struct Solution {
        double value = 0.0;         // of the LP over the known patterns
        double lowerBound = 0.0;    // proven for the relaxation (equals value when complete)
        bool complete = false;      // no pattern can lower the value
        std::vector<double> rods;   // per known pattern
        std::vector<double> duals;  // per type, of the LP over the known patterns
    };

    explicit ColumnGeneration(const Instance& instance);
    ~ColumnGeneration();
    ColumnGeneration(const ColumnGeneration&) = delete;
    ColumnGeneration& operator=(const ColumnGeneration&) = delete;

    void addPattern(const Pattern& pattern);
    const std::vector<Pattern>& patterns() const { return patterns_; }
    int pricings() const { return pricings_; }

    // Solves the relaxation for `demand` (per type; patterns hold at most that many of a type
    // when they are made). Ends early, not complete, at the deadline or once the bound rounded up
    // reaches `enoughRods` or the LP's value rounded up, unless solved to the end (at finer
    // tolerances, for prices that prove a bound).
    enum class Until { Enough, End };
    Solution solve(const std::vector<int32_t>& demand, int enoughRods, const Deadline& deadline,
                   Until until = Until::Enough);

  private:
    class Lp;
    bool known(const Pattern& pattern) const;

    const Instance& instance_;
    std::unique_ptr<Lp> lp_;
    std::vector<Pattern> patterns_;
    int pricings_ = 0;
};

// Rounded up with a tolerance for the LP's rounding errors.
int roundedUp(double value);

}  // namespace marlo::fewest
