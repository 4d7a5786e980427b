#pragma once

#include <QIcon>
#include <QObject>
#include <memory>

#include "optimiser/InputPreparation.h"
#include "ui/JobState.h"
#include "ui/ResultView.h"
#include "ui/WindowMessages.h"

class QAction;
class QToolButton;
class QWidget;

namespace marlo {

class FewestRodsRun;
class PieceList;
struct FewestRodsResult;

// The one place that starts and stops an optimisation run: the Optimise button (which turns
// into a stop button while a run is going) and its menu command. A run of the search works on
// the window's thread and yields to the window's events (WindowRunObserver), so the window stays
// usable and the stop press is seen; a run of the fewest-rods method works on a thread of its
// own (FewestRodsRun), and its stop press keeps the best plan found so far. A finished run becomes
// the shared state's result, shown in the result view; the run controller also takes the result
// away when it no longer belongs to the job.
class RunController : public QObject {
    Q_OBJECT

  public:
    RunController(QWidget* form, JobState& state, ResultView& results, WindowMessages& messages);

    QToolButton* optimiseButton() const { return optimiseButton_; }
    // The menu command that does what the Optimise button does.
    void attachMenuCommand(QAction* optimise);
    void loadTexts();

    // Starts a run of the list, or stops the run that is going.
    void optimiseOrStop();
    // Stops the run that is going, with the notice that it was interrupted.
    void stop();
    // Ends a run without a word: the window is closing.
    void endQuietly();
    // The result goes: no result shown, none kept.
    void clearResult();
    // Whether a run can be started; a running search stays stoppable whatever happens.
    void setOptimiseEnabled(bool enabled);

    // A run is going and has not been asked to stop.
    bool isRunning() const { return running_; }

  signals:
    // A result has come (true) or gone (false): the commands that need one follow it.
    void resultAvailable(bool present);

  private:
    void runSearch(std::unique_ptr<PieceList> pieces);
    void runFewestRods(std::unique_ptr<PieceList> pieces);
    void showFewestRodsProgress();
    void finishFewestRods(const FewestRodsResult& result);
    bool showPreparationMessages(const PreparedInput& prepared);
    void restoreOptimiseButton();
    void setBusy(bool busy);

    JobState& state_;
    ResultView& results_;
    WindowMessages& messages_;
    QIcon optimiseIcon_;  // the Optimise button when idle
    QIcon stopIcon_;      // the Optimise button while a run is going
    QToolButton* optimiseButton_;
    QAction* optimiseAction_ = nullptr;
    bool running_ = false;           // a run is going and has not been asked to stop
    bool searchInProgress_ = false;  // the search has not returned yet (also while it stops)
    bool busy_ = false;
    FewestRodsRun* fewestRun_ = nullptr;  // until its thread has ended
};

}  // namespace marlo
