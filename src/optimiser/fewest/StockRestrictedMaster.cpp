#include "optimiser/fewest/StockRestrictedMaster.h"

#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <algorithm>
#include <cmath>
#include <limits>

#include "optimiser/fewest/BoundedKnapsack.h"
#include "optimiser/fewest/IntegerProgram.h"
#include "optimiser/fewest/PatternColumn.h"

namespace marlo::fewest {

namespace {

// Whether the model has a row per column for the caller to link to a variable of its own.
enum class LinkRows { None, PerColumn };

// An integer program over the columns: one variable per column for its rods, rows for the demand
// of every type (at least), the rods of every limited bin (at most), the rods in all and the cost
// (by costOf, at most `costCap`); with link rows, also a row per column (its rods, at most 0).
// Callers add their own columns.
struct ColumnModel {
    CoinPackedMatrix matrix{true, 0, 0};
    std::vector<double> columnUpper;
    std::vector<double> cost;
    std::vector<double> rowLower;
    std::vector<double> rowUpper;
    int rodsRow = 0;
    int costRow = 0;
    int firstLinkRow = 0;

    ColumnModel(const StockInstance& instance, const std::vector<StockColumn>& columns,
                double costCap, LinkRows links) {
        const bool linked = links == LinkRows::PerColumn;
        const size_t types = instance.types.size();
        std::vector<int> binRow(instance.bins.size(), -1);
        int rows = static_cast<int>(types);
        for (size_t b = 0; b < instance.bins.size(); ++b)
            if (instance.bins[b].limited) binRow[b] = rows++;
        rodsRow = rows++;
        costRow = rows++;
        firstLinkRow = rows;
        if (linked) rows += static_cast<int>(columns.size());
        matrix.setDimensions(rows, 0);
        // Room for every column the model and its callers add: appending beyond the room copies
        // the whole matrix, which over the thousands of columns of a long stock list takes
        // seconds that no deadline interrupts.
        size_t elements = 0;
        for (const StockColumn& column : columns) elements += column.pattern.size() + 4;
        const size_t extraColumns = columns.size() + types;
        matrix.reserve(static_cast<int>(columns.size() + extraColumns),
                       static_cast<CoinBigIndex>(elements + 2 * extraColumns));
        rowLower.assign(static_cast<size_t>(rows), 0.0);
        rowUpper.assign(static_cast<size_t>(rows), COIN_DBL_MAX);
        for (size_t t = 0; t < types; ++t) rowLower[t] = instance.types[t].demand;
        for (size_t b = 0; b < instance.bins.size(); ++b)
            if (binRow[b] >= 0)
                rowUpper[static_cast<size_t>(binRow[b])] = instance.bins[b].available;
        rowLower[static_cast<size_t>(costRow)] = -COIN_DBL_MAX;
        rowUpper[static_cast<size_t>(costRow)] = costCap;
        for (int row = firstLinkRow; row < rows; ++row) {
            rowLower[static_cast<size_t>(row)] = -COIN_DBL_MAX;
            rowUpper[static_cast<size_t>(row)] = 0.0;
        }
        const double tieBreak = rodTieBreak(instance);
        for (const StockColumn& column : columns) {
            std::vector<int> index;
            std::vector<double> value;
            addPatternEntries(column.pattern, index, value);
            if (binRow[column.bin] >= 0) {
                index.push_back(binRow[column.bin]);
                value.push_back(1.0);
            }
            const double price = instance.bins[column.bin].price + tieBreak;
            index.insert(index.end(), {rodsRow, costRow});
            value.insert(value.end(), {1.0, price});
            if (linked) {
                index.push_back(firstLinkRow + static_cast<int>(cost.size()));
                value.push_back(1.0);
            }
            add(index, value, instance.bins[column.bin].available, price);
        }
    }

    void add(const std::vector<int>& index, const std::vector<double>& value, double upper,
             double objective) {
        matrix.appendCol(static_cast<int>(index.size()), index.data(), value.data());
        columnUpper.push_back(upper);
        cost.push_back(objective);
    }

    std::vector<double> solve(const Deadline& deadline, int threads,
                              double enough = -std::numeric_limits<double>::infinity()) const {
        const std::vector<double> columnLower(cost.size(), 0.0);
        OsiClpSolverInterface solver;
        solver.loadProblem(matrix, columnLower.data(), columnUpper.data(), cost.data(),
                           rowLower.data(), rowUpper.data());
        return solveIntegerProgram(solver, deadline, enough, threads).solution;
    }
};

StockPacking packingOf(const StockInstance& instance, const std::vector<StockColumn>& columns,
                       const std::vector<double>& solution) {
    StockPacking packing;
    for (size_t c = 0; c < columns.size(); ++c)
        packing.add(columns[c], static_cast<int32_t>(std::llround(solution[c])));
    // The pieces that no rod holds are the uncut ones.
    return withoutSurplus(instance, packing);
}

// For every count of rods up to `rods`, the fullest pattern of each bin that this many rods can
// cut without passing any type's demand: the patterns that repeat over many rods, which a plan in
// few patterns is made of and the relaxation's columns often lack.
std::vector<StockColumn> repeatablePatterns(const StockInstance& instance, int rods,
                                            const Deadline& deadline) {
    std::vector<double> weights;
    std::vector<int32_t> capacities;
    for (const ItemType& type : instance.types) weights.push_back(type.weight);
    for (const StockBin& bin : instance.bins) capacities.push_back(bin.instance.capacity);
    // Beyond a few thousand, the program would take longer than the tie-break is worth.
    constexpr size_t kMostPatterns = 2000;
    std::vector<StockColumn> patterns;
    for (int32_t copies = 1;
         copies <= rods && patterns.size() < kMostPatterns && !deadline.passed(); ++copies) {
        std::vector<int32_t> bounds;
        for (const ItemType& type : instance.types) bounds.push_back(type.demand / copies);
        const std::vector<KnapsackSolution> fullest = mostValuablePatterns(
            instance.bins.front().instance, weights, bounds, capacities, deadline);
        for (size_t b = 0; b < fullest.size(); ++b)
            if (!fullest[b].pattern.empty()) patterns.push_back({b, fullest[b].pattern});
    }
    return patterns;
}

}  // namespace

std::optional<StockPacking> planFromColumns(const StockInstance& instance,
                                            const std::vector<StockColumn>& columns,
                                            double uncutPrice, const StockPacking& incumbent,
                                            int leastRods, const Deadline& deadline, int threads,
                                            double enough) {
    ColumnModel model(instance, columns,
                      costOf(instance, incumbent, uncutPrice) - rodTieBreak(instance) / 2,
                      LinkRows::None);
    model.rowLower[static_cast<size_t>(model.rodsRow)] = leastRods;
    for (size_t t = 0; t < instance.types.size(); ++t)
        model.add({static_cast<int>(t), model.costRow}, {1.0, uncutPrice}, instance.types[t].demand,
                  uncutPrice);
    const std::vector<double> solution = model.solve(deadline, threads, enough);
    if (solution.empty()) return std::nullopt;
    return packingOf(instance, columns, solution);
}

std::optional<StockPacking> planWithFewerPatterns(const StockInstance& instance,
                                                  const std::vector<StockColumn>& known,
                                                  const StockPacking& incumbent,
                                                  const Deadline& deadline, int threads) {
    std::vector<StockColumn> columns;
    std::vector<StockColumn> candidates = known;
    for (StockColumn& column : repeatablePatterns(instance, incumbent.rodCount(), deadline))
        candidates.push_back(std::move(column));
    for (StockColumn& column : candidates) {
        if (deadline.passed()) return std::nullopt;
        if (std::find(columns.begin(), columns.end(), column) == columns.end())
            columns.push_back(std::move(column));
    }
    // No uncut pieces, and the cost no higher than the incumbent's: its price and its rods.
    ColumnModel model(instance, columns,
                      costOf(instance, incumbent, 0.0) + rodTieBreak(instance) / 2,
                      LinkRows::PerColumn);
    // A column's rods need its pattern taken, a yes/no variable of its own that the objective
    // counts.
    const double rods = incumbent.rodCount();
    for (size_t c = 0; c < columns.size(); ++c) {
        model.columnUpper[c] = std::min(model.columnUpper[c], rods);
        model.cost[c] = 0.0;
        model.add({model.firstLinkRow + static_cast<int>(c)}, {-model.columnUpper[c]}, 1.0, 1.0);
    }
    model.rowUpper[static_cast<size_t>(model.rodsRow)] = rods;
    // Exactly the pieces wanted: a pattern with a piece too many is another pattern once the
    // surplus is taken out. The incumbent's own patterns cut exactly so many.
    for (size_t t = 0; t < instance.types.size(); ++t) model.rowUpper[t] = model.rowLower[t];
    const std::vector<double> solution = model.solve(deadline, threads);
    if (solution.empty()) return std::nullopt;
    const StockPacking packing = packingOf(instance, columns, solution);
    if (!packing.complete() || packing.columns.size() >= incumbent.columns.size())
        return std::nullopt;
    return packing;
}

}  // namespace marlo::fewest
