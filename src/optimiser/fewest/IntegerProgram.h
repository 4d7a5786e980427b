#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "optimiser/fewest/Deadline.h"

class OsiClpSolverInterface;

namespace marlo::fewest {

struct IntegerOutcome {
    std::vector<double> solution;  // empty when none was found
    bool finished = false;  // the search ended before the deadline: the solution is optimal, or
                            // there is none
    // A proven bound on the objective: CBC's when its search finished, minus infinity otherwise
    // (the bound of a search stopped in an LP is that of an unfinished simplex).
    double bestPossible = 0.0;
    uint64_t nodes = 0;
};

// Solves the integer program loaded into `solver` (all its columns integer) with CBC's standard
// cuts and heuristics, until the deadline, or until a solution of objective `enough` or less is
// found (not finished then: the caller knows it cannot be bettered), on `threads` threads (the
// same search on any number).
IntegerOutcome solveIntegerProgram(OsiClpSolverInterface& solver, const Deadline& deadline,
                                   double enough = -std::numeric_limits<double>::infinity(),
                                   int threads = 1);

}  // namespace marlo::fewest
