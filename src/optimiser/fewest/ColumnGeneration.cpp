#include "optimiser/fewest/ColumnGeneration.h"

#include <ClpSimplex.hpp>
#include <algorithm>
#include <cmath>
#include <limits>

#include "optimiser/fewest/BoundedKnapsack.h"
#include "optimiser/fewest/LpDeadlineHandler.h"
#include "optimiser/fewest/PatternColumn.h"

namespace marlo::fewest {

namespace {

constexpr double kTolerance = 1e-6;
// Prices within a billionth of the true duals: a gap of less than a rod below the best plan
// then leaves few patterns to look at.
constexpr double kFineTolerance = 1e-9;

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
    while (true) {
        model.primal(1);
        solution.value = model.objectiveValue();
        if (!model.isProvenOptimal() || deadline.passed()) break;
        const double* duals = model.dualRowSolution();
        for (size_t t = 0; t < types; ++t)
            prices[t] = demand[t] > 0 ? std::max(duals[t], 0.0) : 0.0;
        const KnapsackSolution priced = mostValuablePattern(instance_, prices, demand, deadline);
        if (deadline.passed()) break;
        ++pricings_;
        // No pattern is worth more than one rod: the LP is solved.
        if (priced.value <= 1.0 + tolerance ||
            std::find(patterns_.begin(), patterns_.end(), priced.pattern) != patterns_.end()) {
            solution.complete = true;
            solution.lowerBound = solution.value;
            break;
        }
        // Farley's bound: no pattern is worth more than `priced.value` rods, so the relaxation
        // needs at least value / priced.value rods.
        solution.lowerBound = std::max(solution.lowerBound, solution.value / priced.value);
        if (!toTheEnd && (roundedUp(solution.lowerBound) >= roundedUp(solution.value) ||
                          roundedUp(solution.lowerBound) >= enoughRods))
            break;
        addPattern(priced.pattern);
    }
    const double* rods = model.primalColumnSolution();
    solution.rods.assign(rods, rods + model.numberColumns());
    const double* duals = model.dualRowSolution();
    solution.duals.assign(duals, duals + types);
    return solution;
}

}  // namespace marlo::fewest
