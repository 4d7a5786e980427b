#include "optimiser/fewest/CutMaster.h"

#include <ClpSimplex.hpp>
#include <algorithm>

#include "optimiser/fewest/CutPricing.h"
#include "optimiser/fewest/LpDeadlineHandler.h"
#include "optimiser/fewest/PatternColumn.h"

namespace marlo::fewest {

namespace {

constexpr double kTolerance = 1e-9;
// Besides the most valuable pattern, those the pricing held as the best before it go into the
// LP: fewer rounds of LP and pricing.
constexpr size_t kMostColumnsPerPricing = 30;

}  // namespace

class CutMaster::Lp {
  public:
    explicit Lp(const Deadline& deadline) : handler(deadline) {
        model.setLogLevel(0);
        model.passInEventHandler(&handler);
        model.setDualTolerance(kTolerance);
        model.setPrimalTolerance(kTolerance);
    }

    LpDeadlineHandler handler;
    ClpSimplex model;
};

CutMaster::CutMaster(const Instance& instance, int32_t leastLoad, double substituteCost,
                     const Deadline& deadline)
    : instance_(instance),
      leastLoad_(leastLoad),
      deadline_(deadline),
      lp_(std::make_unique<Lp>(deadline)) {
    for (const ItemType& type : instance.types) demand_.push_back(type.demand);
    const std::vector<double> lower(demand_.begin(), demand_.end());
    const std::vector<double> upper(demand_.size(), COIN_DBL_MAX);
    lp_->model.addRows(static_cast<int>(demand_.size()), lower.data(), upper.data(), nullptr,
                       nullptr, nullptr);
    for (size_t t = 0; t < demand_.size(); ++t) {
        Pattern single;
        addPieces(single, static_cast<int32_t>(t), 1);
        addColumn(single, instance.types[t].weight < leastLoad ? substituteCost : 1.0);
    }
}

void CutMaster::addPattern(const Pattern& pattern) {
    int32_t load = 0;
    for (const PatternEntry& e : pattern) load += e.count * instance_.types[e.type].weight;
    if (load >= leastLoad_) addColumn(pattern, 1.0);
}

void CutMaster::addColumn(const Pattern& pattern, double cost) {
    if (!known_.insert(pattern).second) return;
    std::vector<int> rows;
    std::vector<double> counts;
    addPatternEntries(pattern, rows, counts);
    for (size_t c = 0; c < cuts_.size(); ++c) {
        if (const int32_t coefficient = cutCoefficient(cuts_[c], pattern); coefficient > 0) {
            rows.push_back(static_cast<int>(demand_.size() + c));
            counts.push_back(coefficient);
        }
    }
    lp_->model.addColumn(static_cast<int>(rows.size()), rows.data(), counts.data(), 0.0,
                         rules_.allows(pattern) ? COIN_DBL_MAX : 0.0, cost);
    patterns_.push_back(pattern);
}

void CutMaster::addCuts(const std::vector<SubsetRowCut>& cuts) {
    for (const SubsetRowCut& cut : cuts) {
        std::vector<int> columns;
        std::vector<double> coefficients;
        for (size_t p = 0; p < patterns_.size(); ++p) {
            if (const int32_t coefficient = cutCoefficient(cut, patterns_[p]); coefficient > 0) {
                columns.push_back(static_cast<int>(p));
                coefficients.push_back(coefficient);
            }
        }
        lp_->model.addRow(static_cast<int>(columns.size()), columns.data(), coefficients.data(),
                          -COIN_DBL_MAX, cut.limit);
        cuts_.push_back(cut);
    }
    resolveDual_ = true;
}

void CutMaster::setRules(const PairRules& rules) {
    rules_ = rules;
    resolveDual_ = true;
    for (size_t p = 0; p < patterns_.size(); ++p)
        lp_->model.setColumnUpper(static_cast<int>(p),
                                  rules_.allows(patterns_[p]) ? COIN_DBL_MAX : 0.0);
}

bool CutMaster::solve(double& bound) {
    const size_t types = demand_.size();
    while (true) {
        // New rules and cuts leave the last basis dual feasible, new patterns primal feasible.
        if (resolveDual_)
            lp_->model.dual();
        else
            lp_->model.primal();
        resolveDual_ = false;
        if (!lp_->model.isProvenOptimal() || deadline_.passed()) return false;
        const double* duals = lp_->model.dualRowSolution();
        CutPrices prices;
        for (size_t t = 0; t < types; ++t) prices.types.push_back(std::max(duals[t], 0.0));
        for (size_t c = 0; c < cuts_.size(); ++c)
            prices.cuts.push_back(std::min(duals[types + c], 0.0));
        const std::optional<PricedPatterns> priced =
            mostValuablePatternWithCuts(instance_, prices, cuts_, rules_, demand_, leastLoad_,
                                        deadline_, 1.0 + kTolerance, kMostColumnsPerPricing - 1);
        if (!priced) return false;
        const KnapsackSolution& best = priced->best;
        bound = std::max(bound, provenBound(prices.types, prices.cuts, best.value));
        if (best.value <= 1.0 + kTolerance || known_.count(best.pattern) > 0) return true;
        addPattern(best.pattern);
        for (const Pattern& pattern : priced->alsoWorth) addPattern(pattern);
    }
}

// No pattern the rules allow is worth more than `mostValue` at these prices: divided by it (when
// above one rod) they are dual feasible, and their value over the demand and the cuts' limits
// bounds every plan under the rules. The substitutes need not be: they are not patterns of any
// such plan. A margin of a billionth covers the rounding of the sums.
double CutMaster::provenBound(const std::vector<double>& typePrices,
                              const std::vector<double>& cutPrices, double mostValue) const {
    double value = 0.0;
    for (size_t t = 0; t < typePrices.size(); ++t) value += typePrices[t] * demand_[t];
    for (size_t c = 0; c < cutPrices.size(); ++c) value += cutPrices[c] * cuts_[c].limit;
    return value / (std::max(mostValue, 1.0) * (1.0 + kTolerance));
}

CutMaster::~CutMaster() = default;

double CutMaster::value() const {
    return lp_->model.objectiveValue();
}

std::vector<double> CutMaster::relaxation() const {
    const double* rods = lp_->model.getColSolution();
    return {rods, rods + lp_->model.numberColumns()};
}

}  // namespace marlo::fewest
