#pragma once

#include "model/PlanSummary.h"

namespace marlo {

// The caller's view of a running search. Every hook is optional.
class RunObserver {
  public:
    virtual ~RunObserver() = default;

    // After every rod: progress in percent (real) and the totals so far.
    virtual void rodCut(double progressPercent, const PlanSummary& totals) {
        (void)progressPercent;
        (void)totals;
    }
    // Every 3001 search steps: the place to process pending window events.
    virtual void yieldToEvents() {}
    // Polled after every yield and every rod; true ends the run after the current step.
    virtual bool stopRequested() { return false; }
    // The fewest-rods method found a better plan or bound (called on the thread that runs it).
    virtual void bestPlanFound(const PlanSummary& totals, int lowerBound) {
        (void)totals;
        (void)lowerBound;
    }
    // A message of the run (catalogue offset), e.g. the abort of a rod with too many pieces.
    virtual void message(int offset) { (void)offset; }
};

}  // namespace marlo
