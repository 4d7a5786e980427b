#include "ui/RunController.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <algorithm>

#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/RunControlTexts.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/fewest/FewestRods.h"
#include "ui/FewestRodsRun.h"
#include "ui/FormControls.h"
#include "ui/ProgramStyle.h"
#include "ui/WindowRunObserver.h"

namespace marlo {

namespace {

// A press this soon after a run has ended was meant for the run that has just ended.
constexpr qint64 kLateStopPressMilliseconds = 500;
// The most a stopped run's progress shows: it never reads as a run that used its time.
constexpr double kStoppedProgressCeiling = 99.0;

}  // namespace

RunController::RunController(QWidget* form, JobState& state, ResultView& results,
                             WindowMessages& messages, FewestRodsSolver fewestRodsSolver)
    : QObject(form),
      state_(state),
      fewestRodsSolver_(std::move(fewestRodsSolver)),
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
        stopFewestRods();
        return;
    }
    if (running_) {
        stop();
        return;
    }
    if (justEnded()) return;
    // A stopped search that has not returned yet still owns the display.
    if (searchInProgress_ || state_.list.empty()) return;
    start();
}

void RunController::start() {
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared =
        prepareInput(state_.list, cuttingParameters(state_.parameters).rodLength, *pieces);
    if (!showPreparationMessages(prepared)) {
        clearResult();
        return;
    }
    if (pieces->count() == 0) return;
    resetResult();
    setBusy(true);
    runMethod_ = state_.methodChoice.method;
    if (runMethod_ == OptimisationMethod::FewestRods)
        runFewestRods(std::move(pieces));
    else
        runSearch(std::move(pieces));
}

bool RunController::justEnded() const {
    return sinceEnd_.isValid() && sinceEnd_.elapsed() < kLateStopPressMilliseconds;
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
        showRunStatus(run_text::kStopped);
        return;
    }
    observer.flush();
    restoreOptimiseButton();
    if (plan.status == RunStatus::Finished) {
        state_.result = std::move(plan);
        state_.lowerBound = bound;
        state_.provenOptimal = state_.result.summary.rodCount == bound;
        results_.showResult(state_.result);
        results_.showLowerBound(bound, state_.provenOptimal, false);
        showRunStatus(run_text::kFinished);
        emit resultAvailable(true);
        state_.resultPresent = true;
    } else {
        // After an abort for a rod of too many pieces the totals of the last complete rod stay;
        // after the pattern limit they would describe a plan that does not exist, so they go.
        if (plan.abortMessage == msg::kTooManyPatterns) results_.clear();
        showRunStatus(run_text::kAborted);
    }
    setOptimiseEnabled(!state_.list.empty());
    setBusy(false);
    if (plan.status == RunStatus::Aborted && plan.abortMessage == msg::kTooManyPatterns)
        offerFewestRods();
}

// The search cannot keep more than 50 patterns; the fewest-rods method can. The user may switch
// to it and have the list optimised again at once.
void RunController::offerFewestRods() {
    if (messages_.ask(messages_.text(run_text::kOfferFewestRods)) != MessageAnswer::Yes) return;
    state_.methodChoice.method = OptimisationMethod::FewestRods;
    emit methodSwitched(state_.methodChoice);
    if (!state_.list.empty()) start();
}

void RunController::runFewestRods(std::unique_ptr<PieceList> pieces) {
    optimiseButton_->setIcon(stopIcon_);
    running_ = true;
    optimiseButton_->setToolTip(messages_.text(40));
    fewestRun_ = new FewestRodsRun(fewestRodsSolver_, std::move(pieces),
                                   cuttingParameters(state_.parameters),
                                   state_.methodChoice, this);
    connect(fewestRun_, &FewestRodsRun::progressed, this, &RunController::showFewestRodsProgress);
    connect(fewestRun_, &FewestRodsRun::finished, this, [this] {
        const FewestRodsResult result = *fewestRun_->best();
        abandonFewestRun();
        finishFewestRods(result, std::nullopt);
    });
    fewestRun_->start();
}

// The stop press of a fewest-rods run: the best plan so far is the result, not proven unless it
// already was; without a plan it is an interrupted run.
void RunController::stopFewestRods() {
    const std::optional<FewestRodsResult> best = fewestRun_->best();
    const double progress = fewestRun_->elapsedPercent();
    abandonFewestRun();
    if (best && best->plan.status == RunStatus::Finished)
        finishFewestRods(*best, progress);
    else
        stop();
}

void RunController::abandonFewestRun() {
    if (fewestRun_ == nullptr) return;
    fewestRun_->stop();
    fewestRun_->disconnect(this);
    fewestRun_->deleteLater();
    fewestRun_ = nullptr;
}

// The time used as the progress, and the best plan so far with its bound as the totals.
void RunController::showFewestRodsProgress() {
    const std::optional<FewestRodsResult>& best = fewestRun_->best();
    results_.showProgress(fewestRun_->elapsedPercent(), best ? best->plan.summary : PlanSummary{},
                          state_.parameters.rodLength);
    if (best) results_.showLowerBound(best->lowerBound, best->optimal, true);
}

void RunController::finishFewestRods(const FewestRodsResult& result,
                                     std::optional<double> stoppedAt) {
    restoreOptimiseButton();
    if (result.plan.status == RunStatus::Aborted) {
        messages_.showError(result.plan.abortMessage);
        showRunStatus(run_text::kAborted);
    } else {
        state_.result = result.plan;
        state_.lowerBound = result.lowerBound;
        state_.provenOptimal = result.optimal;
        state_.fromFewestRods = true;
        results_.showResult(state_.result);
        // A stopped run has not used its time: its progress stays short of the full bar.
        results_.showProgress(stoppedAt ? std::min(*stoppedAt, kStoppedProgressCeiling) : 100.0,
                              result.plan.summary, state_.parameters.rodLength);
        results_.showLowerBound(result.lowerBound, result.optimal, true);
        showRunStatus(stoppedAt ? run_text::kStoppedBestPlan : run_text::kFinished);
        emit resultAvailable(true);
        state_.resultPresent = true;
    }
    setOptimiseEnabled(!state_.list.empty());
    setBusy(false);
}

void RunController::stop() {
    abandonFewestRun();
    resetResult();
    setBusy(true);
    restoreOptimiseButton();
    showRunStatus(run_text::kStopped);
    messages_.notify(msg::kInterrupted);
    setBusy(false);
    setOptimiseEnabled(!state_.list.empty());
}

void RunController::endQuietly() {
    abandonFewestRun();
    if (!running_) return;
    restoreOptimiseButton();
    setBusy(false);
}

void RunController::clearResult() {
    resetResult();
    sinceEnd_.invalidate();
}

void RunController::resetResult() {
    state_.result = CuttingPlan{};
    state_.lowerBound.reset();
    state_.provenOptimal = false;
    state_.fromFewestRods = false;
    results_.clear();
    state_.resultPresent = false;
    // Printing and exporting need the result that has just gone.
    emit resultAvailable(false);
}

// The status line of the evaluation: which method made the shown result, and how its run ended.
void RunController::showRunStatus(int stateOffset) {
    const int method = runMethod_ == OptimisationMethod::FewestRods ? fewest_text::kFewestRodsMethod
                                                                    : fewest_text::kSearchMethod;
    results_.showRunStatus(messages_.text(method) + QStringLiteral(": ") +
                           messages_.text(stateOffset));
}

void RunController::restoreOptimiseButton() {
    optimiseButton_->setIcon(optimiseIcon_);
    running_ = false;
    optimiseButton_->setToolTip(messages_.text(8));
    sinceEnd_.start();
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
