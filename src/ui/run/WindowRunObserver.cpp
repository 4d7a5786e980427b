#include "ui/run/WindowRunObserver.h"

#include <QCoreApplication>
#include <utility>

namespace marlo {

WindowRunObserver::WindowRunObserver(const bool& running, ShowProgress showProgress,
                                     ShowMessage showMessage, std::chrono::milliseconds interval)
    : running_(running),
      showProgress_(std::move(showProgress)),
      showMessage_(std::move(showMessage)),
      interval_(interval),
      lastRound_(Clock::now()) {}

void WindowRunObserver::rodCut(double progressPercent, const PlanSummary& totals) {
    percent_ = progressPercent;
    totals_ = totals;
    unshown_ = true;
    processEventsIfDue();
}

void WindowRunObserver::yieldToEvents() {
    processEventsIfDue();
}

void WindowRunObserver::flush() {
    if (!unshown_) return;
    unshown_ = false;
    showProgress_(percent_, totals_);
}

void WindowRunObserver::processEventsIfDue() {
    if (Clock::now() - lastRound_ < interval_) return;
    flush();
    QCoreApplication::processEvents();
    lastRound_ = Clock::now();
}

}  // namespace marlo
