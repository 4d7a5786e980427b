#include "optimiser/fewest/ColumnGeneration.h"

#include <ClpSimplex.hpp>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "optimiser/fewest/BoundedKnapsack.h"
#include "optimiser/fewest/LpDeadlineHandler.h"
#include "optimiser/fewest/PatternColumn.h"

namespace marlo::fewest {

namespace {

constexpr double kTolerance = 1e-6;
// Prices within a billionth of the true duals: a gap of less than a rod below the best plan
// then leaves few patterns to look at.
constexpr double kFineTolerance = 1e-9;

// The LP's factorisation and work areas are kept from one solve to the next, and used again
// where the new columns leave them valid: the column generation solves it thousands of times.
constexpr int kKeepFactorisation = 1 | 2;

// Dual smoothing (after Wentges): the pricing takes a blend of the prices that proved the best
// bound so far and the LP's, which keeps it from jumping between the far corners of a degenerate
// LP, where most of its patterns would be of no use.
constexpr double kSmoothing = 0.7;

// The prices that proved the highest bound so far, and that bound.
class SmoothedPrices {
  public:
    // None until a bound is known.
    std::optional<std::vector<double>> blendedWith(const std::vector<double>& prices) const {
        if (best_.empty()) return std::nullopt;
        std::vector<double> blend(prices.size());
        for (size_t t = 0; t < prices.size(); ++t)
            blend[t] = kSmoothing * best_[t] + (1.0 - kSmoothing) * prices[t];
        return blend;
    }

    // Farley's bound: no pattern is worth more than `mostValue` rods at these prices, so every
    // plan needs at least what the demand is worth, divided by it. Kept where it is the highest.
    double offer(const std::vector<double>& prices, const std::vector<int32_t>& demand,
                 double mostValue) {
        double worth = 0.0;
        for (size_t t = 0; t < prices.size(); ++t) worth += prices[t] * demand[t];
        const double proven = worth / std::max(mostValue, 1.0);
        if (proven > bound_) {
            bound_ = proven;
            best_ = prices;
        }
        return proven;
    }

  private:
    std::vector<double> best_;
    double bound_ = 0.0;
};

double worth(const Pattern& pattern, const std::vector<double>& prices) {
    double value = 0.0;
    for (const PatternEntry& e : pattern) value += e.count * prices[static_cast<size_t>(e.type)];
    return value;
}

}  // namespace

int roundedUp(double value) {
    return static_cast<int>(std::ceil(value - kTolerance));
}

// The restricted master LP: one row per type (at least its demand), one column per pattern.
class ColumnGeneration::Lp {
  public:
    explicit Lp(size_t types) {
        model.setLogLevel(0);
        model.setOptimizationDirection(1.0);
        std::vector<double> lower(types, 0.0);
        std::vector<double> upper(types, COIN_DBL_MAX);
        model.resize(0, 0);
        model.addRows(static_cast<int>(types), lower.data(), upper.data(), nullptr, nullptr,
                      nullptr);
    }

    ClpSimplex model;
    const double normalDualTolerance = model.dualTolerance();
    const double normalPrimalTolerance = model.primalTolerance();
};

ColumnGeneration::ColumnGeneration(const Instance& instance)
    : instance_(instance), lp_(std::make_unique<Lp>(instance.types.size())) {}

ColumnGeneration::~ColumnGeneration() = default;

void ColumnGeneration::addPattern(const Pattern& pattern) {
    std::vector<int> rows;
    std::vector<double> counts;
    addPatternEntries(pattern, rows, counts);
    lp_->model.addColumn(static_cast<int>(rows.size()), rows.data(), counts.data(), 0.0,
                         COIN_DBL_MAX, 1.0);
    patterns_.push_back(pattern);
}

bool ColumnGeneration::known(const Pattern& pattern) const {
    return std::find(patterns_.begin(), patterns_.end(), pattern) != patterns_.end();
}

ColumnGeneration::Solution ColumnGeneration::solve(const std::vector<int32_t>& demand,
                                                   int enoughRods, const Deadline& deadline,
                                                   Until until) {
    const bool toTheEnd = until == Until::End;
    ClpSimplex& model = lp_->model;
    const size_t types = instance_.types.size();
    // Every type needs a pattern that holds it, so that the LP is feasible.
    std::vector<char> held(types, 0);
    for (const Pattern& pattern : patterns_)
        for (const PatternEntry& e : pattern) held[static_cast<size_t>(e.type)] = 1;
    for (size_t t = 0; t < types; ++t) {
        if (demand[t] == 0 || held[t]) continue;
        Pattern single;
        addPieces(single, static_cast<int32_t>(t),
                  std::min(demand[t], instance_.capacity / instance_.types[t].weight));
        addPattern(single);
    }
    for (size_t t = 0; t < types; ++t) model.setRowLower(static_cast<int>(t), demand[t]);
    LpDeadlineHandler handler(deadline);
    model.passInEventHandler(&handler);
    const double tolerance = toTheEnd ? kFineTolerance : kTolerance;
    model.setDualTolerance(toTheEnd ? kFineTolerance : lp_->normalDualTolerance);
    model.setPrimalTolerance(toTheEnd ? kFineTolerance : lp_->normalPrimalTolerance);

    Solution solution;
    std::vector<double> prices(types);
    SmoothedPrices smoothed;
    while (true) {
        model.primal(0, kKeepFactorisation);
        solution.value = model.objectiveValue();
        if (!model.isProvenOptimal() || deadline.passed()) break;
        const double* duals = model.dualRowSolution();
        for (size_t t = 0; t < types; ++t)
            prices[t] = demand[t] > 0 ? std::max(duals[t], 0.0) : 0.0;
        // The blend of the best prices so far and the LP's first; where its pattern is no use to
        // the LP, the LP's own prices.
        std::optional<Pattern> column;
        if (const std::optional<std::vector<double>> blend = smoothed.blendedWith(prices)) {
            const KnapsackSolution priced =
                mostValuablePattern(instance_, *blend, demand, deadline);
            if (deadline.passed()) break;
            ++pricings_;
            solution.lowerBound =
                std::max(solution.lowerBound, smoothed.offer(*blend, demand, priced.value));
            if (worth(priced.pattern, prices) > 1.0 + tolerance && !known(priced.pattern))
                column = priced.pattern;
        }
        if (!column) {
            const KnapsackSolution priced =
                mostValuablePattern(instance_, prices, demand, deadline);
            if (deadline.passed()) break;
            ++pricings_;
            // No pattern is worth more than one rod: the LP is solved.
            if (priced.value <= 1.0 + tolerance || known(priced.pattern)) {
                solution.complete = true;
                solution.lowerBound = solution.value;
                break;
            }
            solution.lowerBound =
                std::max(solution.lowerBound, smoothed.offer(prices, demand, priced.value));
            column = priced.pattern;
        }
        if (!toTheEnd && (roundedUp(solution.lowerBound) >= roundedUp(solution.value) ||
                          roundedUp(solution.lowerBound) >= enoughRods))
            break;
        addPattern(*column);
    }
    const double* rods = model.primalColumnSolution();
    solution.rods.assign(rods, rods + model.numberColumns());
    const double* duals = model.dualRowSolution();
    solution.duals.assign(duals, duals + types);
    return solution;
}

}  // namespace marlo::fewest
