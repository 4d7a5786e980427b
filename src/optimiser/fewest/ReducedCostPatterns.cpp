#include "optimiser/fewest/ReducedCostPatterns.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "optimiser/fewest/BoundedKnapsack.h"

namespace marlo::fewest {

namespace {

constexpr uint64_t kNodesBetweenClockReads = 1 << 14;
// Where the walk looks at far more branches than it keeps, the patterns are too many or too
// hard to tell apart for this list: the arc-flow model does better then.
constexpr uint64_t kMostNodesPerPattern = 20;

// A depth-first walk over the counts of the types, heaviest first, that leaves out every branch
// whose value cannot reach the limit even if the rest of the rod were filled at the best price
// per weight of the lighter types.
class Enumeration {
  public:
    Enumeration(const Instance& instance, const std::vector<double>& prices, double leastValue,
                size_t most, const Deadline& deadline)
        : instance_(instance),
          prices_(prices),
          leastValue_(leastValue),
          most_(most),
          deadline_(deadline),
          bestRatioFrom_(instance.types.size() + 1, 0.0) {
        for (size_t t = instance.types.size(); t-- > 0;)
            bestRatioFrom_[t] = std::max(bestRatioFrom_[t + 1],
                                         std::max(prices[t], 0.0) / instance.types[t].weight);
    }

    bool run() {
        extend(0, instance_.capacity, 0.0, std::numeric_limits<int32_t>::max());
        return !failed_;
    }
    std::vector<Pattern>& found() { return found_; }

  private:
    // `lightestLeftOut`: the lightest type that this pattern could have held one more piece of
    // when its count was chosen. The pattern takes no further piece once its room is below it.
    void extend(size_t t, int32_t room, double value, int32_t lightestLeftOut) {
        if (failed_) return;
        if (++nodes_ > kMostNodesPerPattern * (most_ + 1) ||
            (nodes_ % kNodesBetweenClockReads == 0 && deadline_.passed())) {
            failed_ = true;
            return;
        }
        const size_t types = instance_.types.size();
        while (t < types && instance_.types[t].weight > room) ++t;
        if (value + room * bestRatioFrom_[t] < leastValue_) return;
        if (t == types) {
            if (room >= lightestLeftOut) return;
            if (found_.size() == most_) {
                failed_ = true;
                return;
            }
            found_.push_back(current_);
            return;
        }
        const ItemType& type = instance_.types[t];
        const int32_t most = std::min(type.demand, room / type.weight);
        for (int32_t count = most; count >= 0; --count) {
            if (count > 0) current_.push_back({static_cast<int32_t>(t), count});
            extend(t + 1, room - count * type.weight, value + count * prices_[t],
                   count < most ? std::min(lightestLeftOut, type.weight) : lightestLeftOut);
            if (count > 0) current_.pop_back();
        }
    }

    const Instance& instance_;
    const std::vector<double>& prices_;
    const double leastValue_;
    const size_t most_;
    const Deadline& deadline_;
    std::vector<double> bestRatioFrom_;  // the best price per weight of type t and lighter ones
    Pattern current_;
    std::vector<Pattern> found_;
    uint64_t nodes_ = 0;
    bool failed_ = false;
};

}  // namespace

std::optional<FeasiblePrices> feasiblePrices(const Instance& instance,
                                             const std::vector<double>& duals,
                                             const Deadline& deadline) {
    FeasiblePrices feasible;
    feasible.prices.resize(instance.types.size());
    std::vector<int32_t> demand;
    for (size_t t = 0; t < instance.types.size(); ++t) {
        feasible.prices[t] = std::max(duals[t], 0.0);
        demand.push_back(instance.types[t].demand);
    }
    const KnapsackSolution best = mostValuablePattern(instance, feasible.prices, demand, deadline);
    if (deadline.passed()) return std::nullopt;
    // The knapsack takes a better pattern only when it is worth 1e-12 more, and sums round: a
    // margin of 1e-9 on the value keeps every pattern within one rod, and the sum of the demand's
    // prices (rounding off far less) below the bound that exact prices would prove.
    const double scale = std::max(best.value, 1.0) * (1.0 + 1e-9);
    for (size_t t = 0; t < instance.types.size(); ++t) {
        feasible.prices[t] /= scale;
        feasible.rods += feasible.prices[t] * instance.types[t].demand;
    }
    return feasible;
}

std::optional<std::vector<Pattern>> patternsWithinGap(const Instance& instance,
                                                      const FeasiblePrices& prices, int rods,
                                                      size_t most, const Deadline& deadline) {
    const double gap = rods - prices.rods;
    if (gap < 0.0) return std::vector<Pattern>{};
    Enumeration enumeration(instance, prices.prices, 1.0 - gap - kPriceSlack, most, deadline);
    if (!enumeration.run()) return std::nullopt;
    return std::move(enumeration.found());
}

}  // namespace marlo::fewest
