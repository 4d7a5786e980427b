#include "optimiser/fewest/StockRestrictedMaster.h"

#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <cmath>

#include "optimiser/fewest/IntegerProgram.h"

namespace marlo::fewest {

std::optional<StockPacking> planFromColumns(const StockInstance& instance,
                                            const std::vector<StockColumn>& columns,
                                            double uncutPrice, const Deadline& deadline) {
    const size_t types = instance.types.size();
    std::vector<int> binRow(instance.bins.size(), -1);
    size_t rows = types;
    for (size_t b = 0; b < instance.bins.size(); ++b)
        if (instance.bins[b].limited) binRow[b] = static_cast<int>(rows++);
    CoinPackedMatrix matrix(true, 0, 0);
    matrix.setDimensions(static_cast<int>(rows), 0);
    std::vector<double> columnUpper;
    std::vector<double> cost;
    const double tieBreak = rodTieBreak(instance);
    for (const StockColumn& column : columns) {
        std::vector<int> index;
        std::vector<double> value;
        for (size_t t = 0; t < types; ++t) {
            if (column.pattern[t] == 0) continue;
            index.push_back(static_cast<int>(t));
            value.push_back(column.pattern[t]);
        }
        if (binRow[column.bin] >= 0) {
            index.push_back(binRow[column.bin]);
            value.push_back(1.0);
        }
        matrix.appendCol(static_cast<int>(index.size()), index.data(), value.data());
        columnUpper.push_back(instance.bins[column.bin].available);
        cost.push_back(instance.bins[column.bin].price + tieBreak);
    }
    for (size_t t = 0; t < types; ++t) {
        const int row = static_cast<int>(t);
        const double one = 1.0;
        matrix.appendCol(1, &row, &one);
        columnUpper.push_back(instance.types[t].demand);
        cost.push_back(uncutPrice);
    }
    const std::vector<double> columnLower(cost.size(), 0.0);
    std::vector<double> rowLower(rows, 0.0);
    std::vector<double> rowUpper(rows, COIN_DBL_MAX);
    for (size_t t = 0; t < types; ++t) rowLower[t] = instance.types[t].demand;
    for (size_t b = 0; b < instance.bins.size(); ++b)
        if (binRow[b] >= 0) rowUpper[static_cast<size_t>(binRow[b])] = instance.bins[b].available;

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
