#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/PieceList.h"
#include "optimiser/fewest/FewestRods.h"

namespace marlo {

// One run of the fewest-rods method on a thread of its own: the solver cannot yield to the
// window as the search does. Every better plan or bound reaches the window's thread as a
// signal; the best plan so far is kept there, so that a stop has it at once while the solver
// still winds down. The object lives until its thread has ended.
class FewestRodsRun : public QObject {
    Q_OBJECT

  public:
    FewestRodsRun(std::unique_ptr<PieceList> pieces, const JobParameters& parameters,
                  const MethodChoice& choice, QObject* parent);
    ~FewestRodsRun() override;

    void start();
    // Asks the solver to end; signals of it that arrive later are dropped.
    void stop();
    // The best plan reported so far (on the window's thread), or the final result once
    // finished() has come.
    const std::optional<FewestRodsResult>& best() const { return best_; }
    // The share of the time limit used so far, in percent.
    double elapsedPercent() const;
    bool threadRunning() const { return threadRunning_; }

  signals:
    // A better plan or bound has come, or a moment has passed (the time used grows).
    void progressed();
    void finished();
    // The thread has ended (after finished(), or after a stop).
    void ended();

  private:
    void post(FewestRodsResult result, bool last);

    std::unique_ptr<PieceList> pieces_;
    JobParameters parameters_;
    MethodChoice choice_;
    std::atomic<bool> stop_{false};
    std::optional<FewestRodsResult> best_;
    QElapsedTimer clock_;
    QTimer ticks_;
    bool stopped_ = false;
    bool threadRunning_ = false;
    std::thread thread_;
};

}  // namespace marlo
