#include "optimiser/fewest/IntegerProgram.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <OsiClpSolverInterface.hpp>
#include <algorithm>
#include <limits>
#include <mutex>
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
                                   double enough, int threads) {
    solver.messageHandler()->setLogLevel(0);
    for (int c = 0; c < solver.getNumCols(); ++c) solver.setInteger(c);
    // CBC's preprocessing and the LP's presolve cannot be interrupted: on graphs of a hundred
    // thousand arcs they ran seconds past the deadline.
    solver.setHintParam(OsiDoPresolveInInitial, false, OsiHintTry);
    solver.setHintParam(OsiDoPresolveInResolve, false, OsiHintTry);
    LpDeadlineHandler lpHandler(deadline);
    solver.getModelPtr()->passInEventHandler(&lpHandler);
    CbcModel model(solver);
    DeadlineHandler handler(deadline, enough);
    model.passInEventHandler(&handler);
    // Settings of its own rather than CBC's shared ones: runs may overlap on several threads.
    // CBC's driver still keeps some state of its own in globals (whether it prints, for one: two
    // overlapping runs printed its timing on standard output, into the command line's JSON), so
    // one run at a time goes through it; each still keeps its own deadline.
    static std::mutex driver;
    const std::lock_guard<std::mutex> oneAtATime(driver);
    CbcSolverUsefulData settings;
    CbcMain0(model, settings);
    const std::string seconds = std::to_string(std::max(deadline.secondsLeft(), 0.0));
    // 100 + n: n threads that search the same tree as one thread would, whatever their timing.
    const std::string threadMode = std::to_string(threads > 1 ? 100 + threads : 0);
    // The time limit counts as the clock on the wall, as the caller's deadline does.
    const char* arguments[] = {
        "fewest", "-log",          "0",        "-timeMode",        "elapsed",
        "-sec",   seconds.c_str(), "-threads", threadMode.c_str(), "-preprocess",
        "off",    "-presolve",     "off",      "-solve",           "-quit"};
    CbcMain1(static_cast<int>(std::size(arguments)), arguments, model, nullptr, settings);

    IntegerOutcome outcome;
    outcome.nodes = static_cast<uint64_t>(model.getNodeCount());
    // A search the deadline ended proves nothing, whatever CBC's status and bound say: stopped
    // without a solution it may read as proven infeasible, and stopped in an LP its bound is that
    // of an unfinished simplex.
    outcome.finished =
        !deadline.passed() && (model.isProvenOptimal() || model.isProvenInfeasible());
    outcome.bestPossible = outcome.finished ? model.getBestPossibleObjValue()
                                            : -std::numeric_limits<double>::infinity();
    if (const double* best = model.bestSolution(); best != nullptr)
        outcome.solution.assign(best, best + model.getNumCols());
    return outcome;
}

}  // namespace marlo::fewest
