// A stop ends a long run at once: no window events are processed after the yield that asked for
// it, since a command handled there would run inside a search that is already ending.

#include <gtest/gtest.h>

#include <memory>

#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/InputPreparation.h"

namespace marlo {
namespace {

class StopObserver : public RunObserver {
  public:
    void yieldToEvents() override {
        ++yields;
        if (yields == stopAtYield) stop = true;
    }
    void rodCut(double, const PlanSummary&) override {
        ++rods;
        if (rods == stopAtRod) stop = true;
    }
    bool stopRequested() override { return stop; }

    int stopAtYield = 0;
    int stopAtRod = 0;
    int yields = 0;
    int rods = 0;
    bool stop = false;
};

// Every rod takes one piece of 4000 and counts a long run of steps over pieces that do not fit,
// passing several yield points at once.
CuttingPlan runLongJob(StopObserver& observer) {
    auto pieces = std::make_unique<PieceList>();
    prepareInput({{"4000", "12000"}}, 6000, *pieces);
    return searchCuttingPlan(*pieces, JobParameters{}, observer);
}

TEST(HardeningStop, stopAtAnyYield_endsTheRunWithoutAnotherYield) {
    for (int stopAt = 1; stopAt <= 40; ++stopAt) {
        StopObserver observer;
        observer.stopAtYield = stopAt;
        EXPECT_EQ(runLongJob(observer).status, RunStatus::Stopped) << stopAt;
        EXPECT_EQ(observer.yields, stopAt) << "stop asked at yield " << stopAt;
    }
}

TEST(HardeningStop, stopBetweenRods_endsTheRunAfterThatRod) {
    StopObserver observer;
    observer.stopAtRod = 3;
    const CuttingPlan plan = runLongJob(observer);
    EXPECT_EQ(plan.status, RunStatus::Stopped);
    EXPECT_EQ(observer.rods, 3);
}

}  // namespace
}  // namespace marlo
