#include "optimiser/fewest/RestrictedMaster.h"

#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <cmath>
#include <limits>

#include "optimiser/fewest/IntegerProgram.h"
#include "optimiser/fewest/PatternColumn.h"

namespace marlo::fewest {

PatternPlan planFromPatterns(const Instance& instance, const std::vector<Pattern>& patterns,
                             int fewerThan, const Deadline& deadline, int threads) {
    const int types = static_cast<int>(instance.types.size());
    const int rodsRow = types;
    // The matrix by columns, built in one go: appending tens of thousands of columns one by one
    // copies it each time.
    std::vector<CoinBigIndex> starts{0};
    std::vector<int> index;
    std::vector<double> value;
    for (const Pattern& pattern : patterns) {
        addPatternEntries(pattern, index, value);
        index.push_back(rodsRow);
        value.push_back(1.0);
        starts.push_back(static_cast<CoinBigIndex>(index.size()));
    }
    const CoinPackedMatrix matrix(true, types + 1, static_cast<int>(patterns.size()),
                                  static_cast<CoinBigIndex>(index.size()), value.data(),
                                  index.data(), starts.data(), nullptr);
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
    const IntegerOutcome solved =
        solveIntegerProgram(solver, deadline, -std::numeric_limits<double>::infinity(), threads);
    PatternPlan outcome;
    outcome.finished = solved.finished;
    if (solved.solution.empty()) return outcome;
    outcome.plan.emplace();
    for (size_t p = 0; p < patterns.size(); ++p)
        outcome.plan->add(patterns[p], static_cast<int32_t>(std::llround(solved.solution[p])));
    return outcome;
}

}  // namespace marlo::fewest
