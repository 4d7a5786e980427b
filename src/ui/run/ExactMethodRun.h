#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "model/PieceList.h"
#include "optimiser/MethodRun.h"
#include "ui/common/UiContext.h"

namespace marlo {

// What a run of an exact method does on its thread: plans the pieces, handing every better plan
// or bound to `better`, until it is done, its time is up or `stop` is raised.
using ExactSolve = std::function<PlanResult(const PieceList& pieces, const std::atomic<bool>& stop,
                                            const std::function<void(const PlanResult&)>& better)>;

// The fewest-rods method on rods of the parameters' usable length, with the choice's time limit
// and threads.
ExactSolve fewestRodsSolve(FewestRodsSolver solver, const JobParameters& parameters,
                           const MethodChoice& choice);
// The plan from a stock list at the lowest price, with the choice's time limit and threads.
ExactSolve stockSolve(const JobParameters& parameters, const StockList& stock,
                      const MethodChoice& choice);

// Counts a solver's thread as working while it lives, so that ExactMethodRun::waitForSolvers waits
// for it as for the threads of exact runs.
class WorkingSolver {
  public:
    WorkingSolver();
    ~WorkingSolver();
    WorkingSolver(const WorkingSolver&) = delete;
    WorkingSolver& operator=(const WorkingSolver&) = delete;
};

// One run of an exact method (the fewest-rods method, or planning from a stock list) on a thread
// of its own: the solver cannot yield to the window as the search does. The solver leaves every
// better plan or bound in a mailbox and wakes the run, which takes it on the window's thread.
// Stopping or deleting the run only asks the solver to end: its thread winds down alone, keeping
// the mailbox and its pieces alive until it ends, and whatever it still finds is dropped. A new
// run may start at once meanwhile.
class ExactMethodRun : public QObject {
    Q_OBJECT

  public:
    ExactMethodRun(ExactSolve solve, std::unique_ptr<PieceList> pieces,
                   std::chrono::seconds timeLimit, QObject* parent);
    ~ExactMethodRun() override;

    void start();
    // Asks the solver to end; nothing of it is signalled any more.
    void stop();
    // The best plan reported so far (on the window's thread), or the final result once
    // finished() has come.
    const std::optional<PlanResult>& best() const { return best_; }
    // The share of the time limit used so far, in percent.
    double elapsedPercent() const;

    // Waits until the threads of all runs, stopped or not, have ended, at most `limit`; false
    // when one is still working.
    static bool waitForSolvers(std::chrono::milliseconds limit);

  signals:
    // A better plan or bound has come, or a moment has passed (the time used grows).
    void progressed();
    // The solver has ended by itself; best() holds its result.
    void finished();

  private:
    struct Mailbox;

    void collect();

    ExactSolve solve_;
    std::unique_ptr<PieceList> pieces_;  // until start() hands them to the thread
    std::chrono::seconds timeLimit_;
    std::shared_ptr<Mailbox> mailbox_;
    std::optional<PlanResult> best_;
    QElapsedTimer clock_;
    QTimer ticks_;
    bool stopped_ = false;  // stopped or finished: nothing more is signalled
};

}  // namespace marlo
