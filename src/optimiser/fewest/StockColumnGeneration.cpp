#include "optimiser/fewest/StockColumnGeneration.h"

#include <ClpSimplex.hpp>
#include <algorithm>

#include "optimiser/fewest/BoundedKnapsack.h"
#include "optimiser/fewest/LpDeadlineHandler.h"
#include "optimiser/fewest/PatternColumn.h"

namespace marlo::fewest {

namespace {

constexpr double kTolerance = 1e-6;

}  // namespace

// The restricted master LP: one row per type (at least its demand), one per limited bin (at most
// its rods); one column per type for its uncut pieces, then one per known column.
class StockColumnGeneration::Lp {
  public:
    explicit Lp(const StockInstance& instance, double uncutPrice) {
        model.setLogLevel(0);
        model.setOptimizationDirection(1.0);
        const size_t types = instance.types.size();
        std::vector<double> lower;
        std::vector<double> upper;
        for (const ItemType& type : instance.types) {
            lower.push_back(type.demand);
            upper.push_back(COIN_DBL_MAX);
        }
        binRow.assign(instance.bins.size(), -1);
        for (size_t b = 0; b < instance.bins.size(); ++b) {
            if (!instance.bins[b].limited) continue;
            binRow[b] = static_cast<int>(lower.size());
            lower.push_back(0.0);
            upper.push_back(instance.bins[b].available);
        }
        model.resize(0, 0);
        model.addRows(static_cast<int>(lower.size()), lower.data(), upper.data(), nullptr, nullptr,
                      nullptr);
        for (size_t t = 0; t < types; ++t) {
            const int row = static_cast<int>(t);
            const double one = 1.0;
            model.addColumn(1, &row, &one, 0.0, COIN_DBL_MAX, uncutPrice);
        }
    }

    ClpSimplex model;
    std::vector<int> binRow;  // per bin: its row, or -1 when unlimited
    int rodsRow = -1;         // the rods asked for in all, once asked
};

StockColumnGeneration::StockColumnGeneration(const StockInstance& instance, Objective objective)
    : instance_(instance), objective_(objective) {
    double dearest = objective == Objective::Rods ? 1.0 : 0.0;
    for (const StockBin& bin : instance.bins) dearest = std::max(dearest, bin.price);
    uncutPrice_ = (dearest + 1.0) * (instance.pieceCount + 1);
    lp_ = std::make_unique<Lp>(instance, uncutPrice_);
    columnsOfBin_.resize(instance.bins.size());
}

StockColumnGeneration::~StockColumnGeneration() = default;

void StockColumnGeneration::addColumn(const StockColumn& column) {
    addColumns({&column, 1});
}

// All at once: the LP copies its matrix for every call, which column by column grows with the
// square of a long stock list's columns.
void StockColumnGeneration::addColumns(std::span<const StockColumn> columns) {
    std::vector<CoinBigIndex> starts{0};
    std::vector<int> rows;
    std::vector<double> counts;
    std::vector<double> costs;
    for (const StockColumn& column : columns) {
        addPatternEntries(column.pattern, rows, counts);
        for (const int row : {lp_->binRow[column.bin], lp_->rodsRow}) {
            if (row < 0) continue;
            rows.push_back(row);
            counts.push_back(1.0);
        }
        starts.push_back(static_cast<CoinBigIndex>(rows.size()));
        costs.push_back(costOfRod(column.bin));
        columnsOfBin_[column.bin].push_back(columns_.size());
        columns_.push_back(column);
    }
    const std::vector<double> lower(columns.size(), 0.0);
    const std::vector<double> upper(columns.size(), COIN_DBL_MAX);
    lp_->model.addColumns(static_cast<int>(columns.size()), lower.data(), upper.data(),
                          costs.data(), starts.data(), rows.data(), counts.data());
}

bool StockColumnGeneration::known(const StockColumn& column) const {
    return std::any_of(columnsOfBin_[column.bin].begin(), columnsOfBin_[column.bin].end(),
                       [&](size_t c) { return columns_[c] == column; });
}

double StockColumnGeneration::costOfRod(size_t bin) const {
    return objective_ == Objective::Rods ? 1.0 : instance_.bins[bin].price + rodTieBreak(instance_);
}

void StockColumnGeneration::requireRods(int rods) {
    const size_t types = instance_.types.size();
    std::vector<int> columns;
    for (size_t c = 0; c < columns_.size(); ++c) columns.push_back(static_cast<int>(types + c));
    const std::vector<double> ones(columns.size(), 1.0);
    lp_->model.addRow(static_cast<int>(columns.size()), columns.data(), ones.data(), rods,
                      COIN_DBL_MAX);
    lp_->rodsRow = lp_->model.numberRows() - 1;
}

void StockColumnGeneration::fixAtLeast(size_t column, double rods) {
    lp_->model.setColumnLower(static_cast<int>(instance_.types.size() + column), rods);
}

void StockColumnGeneration::releaseFixings() {
    for (size_t c = 0; c < columns_.size(); ++c)
        lp_->model.setColumnLower(static_cast<int>(instance_.types.size() + c), 0.0);
}

StockColumnGeneration::Solution StockColumnGeneration::solve(const Deadline& deadline) {
    ClpSimplex& model = lp_->model;
    const size_t types = instance_.types.size();
    if (instance_.bins.empty()) {
        Solution none;
        for (const ItemType& type : instance_.types) none.uncut.push_back(type.demand);
        none.value = none.lowerBound = uncutPrice_ * instance_.pieceCount;
        none.complete = true;
        return none;
    }
    std::vector<int32_t> demand;
    std::vector<int32_t> capacities;
    const StockBin* largest = &instance_.bins.front();
    for (const ItemType& type : instance_.types) demand.push_back(type.demand);
    for (const StockBin& bin : instance_.bins) {
        capacities.push_back(bin.instance.capacity);
        if (bin.instance.capacity > largest->instance.capacity) largest = &bin;
    }

    // A stock list of thousands of rows makes an LP that takes seconds: it ends at the deadline.
    LpDeadlineHandler handler(deadline);
    model.passInEventHandler(&handler);
    Solution solution;
    std::vector<double> prices(types);
    while (true) {
        model.primal(1);
        solution.value = model.objectiveValue();
        solution.solved = model.isProvenOptimal();
        if (!solution.solved || deadline.passed()) break;
        const double* duals = model.dualRowSolution();
        for (size_t t = 0; t < types; ++t) prices[t] = std::max(duals[t], 0.0);
        const std::vector<KnapsackSolution> priced =
            mostValuablePatterns(largest->instance, prices, demand, capacities, deadline);
        if (priced.empty() || deadline.passed()) break;
        ++pricings_;
        // Lagrange's bound: no column of a bin costs less than its reduced cost, and a plan
        // takes at most `available` rods of a bin.
        double bound = solution.value;
        std::vector<StockColumn> added;
        for (size_t b = 0; b < instance_.bins.size(); ++b) {
            const StockBin& bin = instance_.bins[b];
            const int row = lp_->binRow[b];
            const double rowPrice = (row >= 0 ? std::min(duals[row], 0.0) : 0.0) +
                                    (lp_->rodsRow >= 0 ? std::max(duals[lp_->rodsRow], 0.0) : 0.0);
            const double reducedCost = costOfRod(b) - rowPrice - priced[b].value;
            if (reducedCost >= -kTolerance) continue;
            bound += reducedCost * bin.available;
            StockColumn column{b, priced[b].pattern};
            if (!known(column)) added.push_back(std::move(column));
        }
        addColumns(added);
        if (added.empty()) {
            solution.complete = true;
            solution.lowerBound = solution.value;
            break;
        }
        solution.lowerBound = std::max(solution.lowerBound, bound);
    }
    const double* values = model.primalColumnSolution();
    solution.uncut.assign(values, values + types);
    solution.rods.assign(values + types, values + model.numberColumns());
    return solution;
}

}  // namespace marlo::fewest
