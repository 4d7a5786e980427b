#include "optimiser/fewest/StockRestrictedMaster.h"

#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <cmath>

#include "optimiser/fewest/IntegerProgram.h"

namespace marlo::fewest {

std::optional<StockPacking> planFromColumns(const StockInstance& instance,
                                            const std::vector<StockColumn>& columns,
                                            double uncutPrice, const StockPacking& incumbent,
                                            int leastRods, const Deadline& deadline) {
    const size_t types = instance.types.size();
    std::vector<int> binRow(instance.bins.size(), -1);
    size_t rows = types;
    for (size_t b = 0; b < instance.bins.size(); ++b)
        if (instance.bins[b].limited) binRow[b] = static_cast<int>(rows++);
    // Two rows more: the rods in all, and the cost below the incumbent's.
    const int rodsRow = static_cast<int>(rows++);
    const int costRow = static_cast<int>(rows++);
    CoinPackedMatrix matrix(true, 0, 0);
    matrix.setDimensions(static_cast<int>(rows), 0);
    std::vector<double> columnUpper;
    std::vector<double> cost;
    const double tieBreak = rodTieBreak(instance);
    for (const StockColumn& column : columns) {
        std::vector<int> index;
        std::vector<double> value;
        for (const PatternEntry& e : column.pattern) {
            index.push_back(e.type);
            value.push_back(e.count);
        }
        if (binRow[column.bin] >= 0) {
            index.push_back(binRow[column.bin]);
            value.push_back(1.0);
        }
        const double price = instance.bins[column.bin].price + tieBreak;
        index.insert(index.end(), {rodsRow, costRow});
        value.insert(value.end(), {1.0, price});
        matrix.appendCol(static_cast<int>(index.size()), index.data(), value.data());
        columnUpper.push_back(instance.bins[column.bin].available);
        cost.push_back(price);
    }
    for (size_t t = 0; t < types; ++t) {
        const int index[] = {static_cast<int>(t), costRow};
        const double value[] = {1.0, uncutPrice};
        matrix.appendCol(2, index, value);
        columnUpper.push_back(instance.types[t].demand);
        cost.push_back(uncutPrice);
    }
    const std::vector<double> columnLower(cost.size(), 0.0);
    std::vector<double> rowLower(rows, 0.0);
    std::vector<double> rowUpper(rows, COIN_DBL_MAX);
    for (size_t t = 0; t < types; ++t) rowLower[t] = instance.types[t].demand;
    for (size_t b = 0; b < instance.bins.size(); ++b)
        if (binRow[b] >= 0) rowUpper[static_cast<size_t>(binRow[b])] = instance.bins[b].available;
    rowLower[static_cast<size_t>(rodsRow)] = leastRods;
    rowLower[static_cast<size_t>(costRow)] = -COIN_DBL_MAX;
    rowUpper[static_cast<size_t>(costRow)] = costOf(instance, incumbent, uncutPrice) - tieBreak / 2;

    OsiClpSolverInterface solver;
    solver.loadProblem(matrix, columnLower.data(), columnUpper.data(), cost.data(), rowLower.data(),
                       rowUpper.data());
    const IntegerOutcome solved = solveIntegerProgram(solver, deadline);
    if (solved.solution.empty()) return std::nullopt;
    StockPacking packing;
    for (size_t c = 0; c < columns.size(); ++c)
        packing.add(columns[c], static_cast<int32_t>(std::llround(solved.solution[c])));
    // The pieces that no rod holds are the uncut ones.
    return withoutSurplus(instance, packing);
}

}  // namespace marlo::fewest
