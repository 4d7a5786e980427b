#include "optimiser/fewest/IntegerProgram.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <OsiClpSolverInterface.hpp>
#include <algorithm>
#include <string>

#include "optimiser/fewest/LpDeadlineHandler.h"

namespace marlo::fewest {

namespace {

class DeadlineHandler : public CbcEventHandler {
  public:
    DeadlineHandler(const Deadline& deadline, double enough)
        : deadline_(deadline), enough_(enough) {}
    CbcAction event(CbcEvent whichEvent) override {
        if (deadline_.passed()) return stop;
        const bool found = whichEvent == solution || whichEvent == heuristicSolution;
        return found && model_->getObjValue() <= enough_ ? stop : noAction;
    }
    CbcEventHandler* clone() const override { return new DeadlineHandler(*this); }

  private:
    const Deadline& deadline_;
    double enough_;
};

}  // namespace

IntegerOutcome solveIntegerProgram(OsiClpSolverInterface& solver, const Deadline& deadline,
                                   double enough) {
    solver.messageHandler()->setLogLevel(0);
    for (int c = 0; c < solver.getNumCols(); ++c) solver.setInteger(c);
    LpDeadlineHandler lpHandler(deadline);
    solver.getModelPtr()->passInEventHandler(&lpHandler);
    CbcModel model(solver);
    DeadlineHandler handler(deadline, enough);
    model.passInEventHandler(&handler);
    CbcMain0(model);
    const std::string seconds = std::to_string(std::max(deadline.secondsLeft(), 0.0));
    // The time limit counts as the clock on the wall, as the caller's deadline does.
    const char* arguments[] = {"fewest", "-log",          "0",      "-timeMode", "elapsed",
                               "-sec",   seconds.c_str(), "-solve", "-quit"};
    CbcMain1(static_cast<int>(std::size(arguments)), arguments, model);

    IntegerOutcome outcome;
    outcome.nodes = static_cast<uint64_t>(model.getNodeCount());
    // A search the deadline ended proves nothing, whatever CBC's status says: stopped without a
    // solution it may read as proven infeasible.
    outcome.finished =
        !deadline.passed() && (model.isProvenOptimal() || model.isProvenInfeasible());
    outcome.bestPossible = model.getBestPossibleObjValue();
    if (const double* best = model.bestSolution(); best != nullptr)
        outcome.solution.assign(best, best + model.getNumCols());
    return outcome;
}

}  // namespace marlo::fewest
