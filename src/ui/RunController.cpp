#include "ui/RunController.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include "model/PieceList.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/fewest/FewestRods.h"
#include "ui/FewestRodsRun.h"
#include "ui/FormControls.h"
#include "ui/ProgramStyle.h"
#include "ui/WindowRunObserver.h"

namespace marlo {

RunController::RunController(QWidget* form, JobState& state, ResultView& results,
                             WindowMessages& messages)
    : QObject(form),
      state_(state),
      results_(results),
      messages_(messages),
      optimiseIcon_(picture(QStringLiteral("optimise"))),
      stopIcon_(picture(QStringLiteral("stop"))),
      optimiseButton_(
          pictureButton(QStringLiteral("Command6"), QStringLiteral("optimise"), 48, form)) {
    optimiseButton_->setIcon(optimiseIcon_);
    optimiseButton_->setAutoRaise(true);
    connect(optimiseButton_, &QToolButton::clicked, this, &RunController::optimiseOrStop);
}

void RunController::attachMenuCommand(QAction* optimise) {
    optimiseAction_ = optimise;
    connect(optimise, &QAction::triggered, this, &RunController::optimiseOrStop);
}

void RunController::loadTexts() {
    optimiseButton_->setToolTip(messages_.text(8));
}

void RunController::optimiseOrStop() {
    if (running_ && fewestRun_ != nullptr) {
        // The best plan so far is the result, not proven unless it already was.
        const std::optional<FewestRodsResult> best = fewestRun_->best();
        fewestRun_->stop();
        if (best)
            finishFewestRods(*best);
        else
            stop();
        return;
    }
    if (running_) {
        stop();
        return;
    }
    // A stopped run that has not returned yet still owns the display (and the solver).
    if (searchInProgress_ || fewestRun_ != nullptr || state_.list.empty()) return;

    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared =
        prepareInput(state_.list, cuttingParameters(state_.parameters).rodLength, *pieces);
    if (!showPreparationMessages(prepared)) {
        clearResult();
        return;
    }
    if (pieces->count() == 0) return;
    clearResult();
    setBusy(true);
    if (state_.methodChoice.method == OptimisationMethod::FewestRods)
        runFewestRods(std::move(pieces));
    else
        runSearch(std::move(pieces));
}

bool RunController::showPreparationMessages(const PreparedInput& prepared) {
    for (const RejectedRow& row : prepared.rejectedRows) {
        if (row.messageOffset == msg::kDimensionTooLong)
            messages_.warnDimensionTooLong(row.messageOffset);
        else
            messages_.showError(row.messageOffset);
    }
    if (prepared.tooManyPieces) messages_.showError(msg::kTooManyPieces);
    return !prepared.tooManyPieces;
}

void RunController::runSearch(std::unique_ptr<PieceList> pieces) {
    // The run keeps its own pieces and parameters: whatever the window does while the search
    // yields cannot change what the search works on.
    const JobParameters runParameters = cuttingParameters(state_.parameters);
    const int bound = cheapLowerBound(*pieces, runParameters);
    optimiseButton_->setIcon(stopIcon_);
    running_ = true;
    searchInProgress_ = true;
    optimiseButton_->setToolTip(messages_.text(40));

    WindowRunObserver observer(
        running_,
        [this, &runParameters](double percent, const PlanSummary& totals) {
            results_.showProgress(percent, totals, runParameters.rodLength);
        },
        [this](int offset) { messages_.showError(offset); });
    CuttingPlan plan = searchCuttingPlan(*pieces, runParameters, observer);
    searchInProgress_ = false;

    if (plan.status == RunStatus::Stopped) {
        // The stop press has restored the button; what the search did since is not shown.
        results_.clear();
        return;
    }
    observer.flush();
    restoreOptimiseButton();
    // After an abort the totals of the last complete rod stay, and no result.
    if (plan.status == RunStatus::Finished) {
        state_.result = std::move(plan);
        state_.lowerBound = bound;
        state_.provenOptimal = state_.result.summary.rodCount == bound;
        results_.showResult(state_.result);
        results_.showLowerBound(bound, state_.provenOptimal, false);
        emit resultAvailable(true);
        state_.resultPresent = true;
    }
    setOptimiseEnabled(!state_.list.empty());
    setBusy(false);
}

void RunController::runFewestRods(std::unique_ptr<PieceList> pieces) {
    optimiseButton_->setIcon(stopIcon_);
    running_ = true;
    optimiseButton_->setToolTip(messages_.text(40));
    fewestRun_ = new FewestRodsRun(std::move(pieces), cuttingParameters(state_.parameters),
                                   state_.methodChoice, this);
    connect(fewestRun_, &FewestRodsRun::progressed, this, &RunController::showFewestRodsProgress);
    connect(fewestRun_, &FewestRodsRun::finished, this,
            [this] { finishFewestRods(*fewestRun_->best()); });
    connect(fewestRun_, &FewestRodsRun::ended, this, [this] {
        fewestRun_->deleteLater();
        fewestRun_ = nullptr;
    });
    fewestRun_->start();
}

// The time used as the progress, and the best plan so far with its bound as the totals.
void RunController::showFewestRodsProgress() {
    const std::optional<FewestRodsResult>& best = fewestRun_->best();
    results_.showProgress(fewestRun_->elapsedPercent(), best ? best->plan.summary : PlanSummary{},
                          state_.parameters.rodLength);
    if (best) results_.showLowerBound(best->lowerBound, best->optimal, true);
}

void RunController::finishFewestRods(const FewestRodsResult& result) {
    restoreOptimiseButton();
    if (result.plan.status == RunStatus::Aborted) {
        messages_.showError(result.plan.abortMessage);
    } else {
        state_.result = result.plan;
        state_.lowerBound = result.lowerBound;
        state_.provenOptimal = result.optimal;
        state_.fromFewestRods = true;
        results_.showProgress(100.0, result.plan.summary, state_.parameters.rodLength);
        results_.showResult(state_.result);
        results_.showLowerBound(result.lowerBound, result.optimal, true);
        emit resultAvailable(true);
        state_.resultPresent = true;
    }
    setOptimiseEnabled(!state_.list.empty());
    setBusy(false);
}

void RunController::stop() {
    if (fewestRun_ != nullptr) fewestRun_->stop();
    clearResult();
    setBusy(true);
    restoreOptimiseButton();
    messages_.notify(msg::kInterrupted);
    setBusy(false);
    setOptimiseEnabled(!state_.list.empty());
}

void RunController::endQuietly() {
    if (fewestRun_ != nullptr) fewestRun_->stop();
    if (!running_) return;
    restoreOptimiseButton();
    setBusy(false);
}

void RunController::clearResult() {
    state_.result = CuttingPlan{};
    state_.lowerBound.reset();
    state_.provenOptimal = false;
    state_.fromFewestRods = false;
    results_.clear();
    state_.resultPresent = false;
    // Printing and exporting need the result that has just gone.
    emit resultAvailable(false);
}

void RunController::restoreOptimiseButton() {
    optimiseButton_->setIcon(optimiseIcon_);
    running_ = false;
    optimiseButton_->setToolTip(messages_.text(8));
}

void RunController::setOptimiseEnabled(bool enabled) {
    // A running search must stay stoppable, whatever happens to the list meanwhile.
    optimiseButton_->setEnabled(enabled || running_);
    if (optimiseAction_) optimiseAction_->setEnabled(enabled || running_);
}

void RunController::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace marlo
