#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/PieceList.h"
#include "optimiser/fewest/FewestRods.h"
#include "ui/UiContext.h"

namespace marlo {

// One run of the fewest-rods method on a thread of its own: the solver cannot yield to the
// window as the search does. The solver leaves every better plan or bound in a mailbox and wakes
// the run, which takes it on the window's thread. Stopping or deleting the run only asks the
// solver to end: its thread winds down alone, keeping the mailbox and its pieces alive until it
// ends, and whatever it still finds is dropped. A new run may start at once meanwhile.
class FewestRodsRun : public QObject {
    Q_OBJECT

  public:
    FewestRodsRun(FewestRodsSolver solver, std::unique_ptr<PieceList> pieces,
                  const JobParameters& parameters, const MethodChoice& choice, QObject* parent);
    ~FewestRodsRun() override;

    void start();
    // Asks the solver to end; nothing of it is signalled any more.
    void stop();
    // The best plan reported so far (on the window's thread), or the final result once
    // finished() has come.
    const std::optional<FewestRodsResult>& best() const { return best_; }
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

    FewestRodsSolver solver_;
    std::unique_ptr<PieceList> pieces_;  // until start() hands them to the thread
    JobParameters parameters_;
    MethodChoice choice_;
    std::shared_ptr<Mailbox> mailbox_;
    std::optional<FewestRodsResult> best_;
    QElapsedTimer clock_;
    QTimer ticks_;
    bool stopped_ = false;  // stopped or finished: nothing more is signalled
};

}  // namespace marlo
