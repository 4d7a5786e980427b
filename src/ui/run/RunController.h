#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "optimiser/InputPreparation.h"
#include "ui/common/JobState.h"
#include "ui/common/UiContext.h"
#include "ui/common/WindowMessages.h"
#include "ui/run/ResultView.h"

class QAction;
class QToolButton;
class QWidget;

namespace marlo {

class ExactMethodRun;
class ProductionJobRun;
struct MaterialPlan;
class PieceList;
struct PlanResult;

// The stock of a material of the stock store, read when a run starts; nothing after a message.
using StockSource = std::function<std::optional<MaterialStock>(const std::string& material)>;
// The stock the store holds of each of a production job's materials (those it has no stock of
// are left out), read when a run starts; nothing after a message.
using JobStockSource = std::function<std::optional<std::map<std::string, MaterialStock>>(
    const std::vector<std::string>& materials)>;

// The one place that starts and stops an optimisation run: the Optimise button (which turns
// into a stop button while a run is going) and its menu command. A run of the search works on
// the window's thread and yields to the window's events (WindowRunObserver), so the window stays
// usable and the stop press is seen; a run of the fewest-rods method works on a thread of its
// own (ExactMethodRun), and its stop press keeps the best plan found so far; the stopped solver
// winds down on its own while a new run may start. With a material of the stock store chosen,
// the run plans from its stock at the lowest price, on a thread of its own as well. A finished run
// becomes the shared state's result, shown in the result view with the method that made it; the run
// controller also takes the result away when it no longer belongs to the job.
//
// A press that comes within half a second after a run has ended is taken for a stop press that
// came too late (or a double click) and does nothing, unless the job has changed meanwhile.
class RunController : public QObject {
    Q_OBJECT

  public:
    RunController(QWidget* form, JobState& state, ResultView& results, WindowMessages& messages,
                  FewestRodsSolver fewestRodsSolver, StockSource readStock,
                  JobStockSource readJobStock);

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
    // The result goes: no result shown, none kept. The job has changed: the next press starts a
    // run at once.
    void clearResult();
    // Whether a run can be started; a running search stays stoppable whatever happens.
    void setOptimiseEnabled(bool enabled);

    // A run is going and has not been asked to stop.
    bool isRunning() const { return running_; }
    // Shows a production job's material's plan in the result grid and totals.
    void showMaterialPlan(const MaterialPlan& material);

  signals:
    // A result has come (true) or gone (false): the commands that need one follow it.
    void resultAvailable(bool present);
    // The run has hit the search's pattern limit and the user has chosen the fewest-rods method
    // instead: the window keeps the choice as the Parameters dialog would.
    void methodSwitched(const MethodChoice& choice);
    // A production job's run has ended: the shared state holds its plan.
    void productionPlanned();
    // A production job's run has come further: how far each material is.
    void productionProgressed(const std::vector<MaterialProgress>& progress);

  private:
    void start();
    void runSearch(std::unique_ptr<PieceList> pieces);
    // The fewest-rods method, or with `stock` the plan from it at the lowest price.
    void runExact(std::unique_ptr<PieceList> pieces, std::optional<MaterialStock> stock);
    void stopExact();
    void showExactProgress();
    // `stoppedAt`: the progress at a stop press, which keeps the best plan so far.
    void finishExact(const PlanResult& result, std::optional<double> stoppedAt);
    void showExactResult(const PlanResult& result, double progress);
    // Leaves the fewest-rods run to wind down alone; nothing of it reaches the window any more.
    void abandonExactRun();
    void offerFewestRods();
    // A production job: every material planned off the window's thread.
    void startProduction();
    void finishProduction();
    void abandonProductionRun();
    bool showPreparationMessages(const PreparedInput& prepared);
    void resetResult();
    void showRunStatus(int stateOffset);
    // The status line of a result of the method at `methodOffset`, ended as `stateOffset` says.
    void showMethodStatus(int methodOffset, int stateOffset);
    void restoreOptimiseButton();
    bool justEnded() const;
    void setBusy(bool busy);

    JobState& state_;
    FewestRodsSolver fewestRodsSolver_;
    StockSource readStock_;
    JobStockSource readJobStock_;
    ResultView& results_;
    WindowMessages& messages_;
    QIcon optimiseIcon_;  // the Optimise button when idle
    QIcon stopIcon_;      // the Optimise button while a run is going
    QToolButton* optimiseButton_;
    QAction* optimiseAction_ = nullptr;
    bool running_ = false;           // a run is going and has not been asked to stop
    bool searchInProgress_ = false;  // the search has not returned yet (also while it stops)
    bool busy_ = false;
    OptimisationMethod runMethod_ = OptimisationMethod::Search;  // of the run going or last ended
    std::optional<MaterialStock> runStock_;  // the stock of the run going or last ended
    QElapsedTimer sinceEnd_;  // since the last run ended; invalid once the job has changed
    ExactMethodRun* exactRun_ = nullptr;         // the run of an exact method going, if any
    ProductionJobRun* productionRun_ = nullptr;  // the run of a production job going, if any
    int productionStatus_ = 0;  // how the production job's last run ended, for its status line
};

}  // namespace marlo
