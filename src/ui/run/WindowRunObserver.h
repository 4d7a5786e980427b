#pragma once

#include <chrono>
#include <functional>

#include "model/PlanSummary.h"
#include "optimiser/RunObserver.h"

namespace marlo {

// Connects a search running on the window's thread to the window. The search yields very often
// (every 3001 steps, which may be a few microseconds); pending window events are processed only
// when the last processing is at least one interval ago, so that the window repaints and takes a
// stop press within a fraction of a tenth of a second while costing the search little. Progress
// and totals reach the display at the same moments, and once more by flush() at the end.
class WindowRunObserver : public RunObserver {
  public:
    using ShowProgress = std::function<void(double percent, const PlanSummary& totals)>;
    using ShowMessage = std::function<void(int offset)>;

    static constexpr std::chrono::milliseconds kDefaultInterval{15};

    // `running` is the window's run flag: the search stops as soon as it reads false.
    WindowRunObserver(const bool& running, ShowProgress showProgress, ShowMessage showMessage,
                      std::chrono::milliseconds interval = kDefaultInterval);

    void rodCut(double progressPercent, const PlanSummary& totals) override;
    void yieldToEvents() override;
    bool stopRequested() override { return !running_; }
    void message(int offset) override { showMessage_(offset); }

    // Shows the progress and totals of the last rod, if not shown yet.
    void flush();

  private:
    using Clock = std::chrono::steady_clock;

    void processEventsIfDue();

    const bool& running_;
    ShowProgress showProgress_;
    ShowMessage showMessage_;
    Clock::duration interval_;
    Clock::time_point lastRound_;
    double percent_ = 0.0;
    PlanSummary totals_;
    bool unshown_ = false;
};

}  // namespace marlo
