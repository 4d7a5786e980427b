#include "optimiser/fewest/RestrictedMaster.h"

#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <cmath>

#include "optimiser/fewest/IntegerProgram.h"

namespace marlo::fewest {

PatternPlan planFromPatterns(const Instance& instance, const std::vector<Pattern>& patterns,
                             int fewerThan, const Deadline& deadline, int threads) {
    const int types = static_cast<int>(instance.types.size());
    const int rodsRow = types;
    CoinPackedMatrix matrix(true, 0, 0);
    matrix.setDimensions(types + 1, 0);
    for (const Pattern& pattern : patterns) {
        std::vector<int> index;
        std::vector<double> value;
        for (const PatternEntry& e : pattern) {
            index.push_back(e.type);
            value.push_back(e.count);
        }
        index.push_back(rodsRow);
        value.push_back(1.0);
        matrix.appendCol(static_cast<int>(index.size()), index.data(), value.data());
    }
    const std::vector<double> columnLower(patterns.size(), 0.0);
    const std::vector<double> columnUpper(patterns.size(), fewerThan - 1);
    const std::vector<double> cost(patterns.size(), 1.0);
    std::vector<double> rowLower(static_cast<size_t>(types) + 1, 0.0);
    std::vector<double> rowUpper(static_cast<size_t>(types) + 1, COIN_DBL_MAX);
    for (int t = 0; t < types; ++t) rowLower[static_cast<size_t>(t)] = instance.types[t].demand;
    rowUpper[static_cast<size_t>(rodsRow)] = fewerThan - 1;

    OsiClpSolverInterface solver;
    solver.loadProblem(matrix, columnLower.data(), columnUpper.data(), cost.data(), rowLower.data(),
                       rowUpper.data());
    const IntegerOutcome solved = solveIntegerProgram(solver, deadline, threads);
    PatternPlan outcome;
    outcome.finished = solved.finished;
    if (solved.solution.empty()) return outcome;
    outcome.plan.emplace();
    for (size_t p = 0; p < patterns.size(); ++p)
        outcome.plan->add(patterns[p], static_cast<int32_t>(std::llround(solved.solution[p])));
    return outcome;
}

}  // namespace marlo::fewest
