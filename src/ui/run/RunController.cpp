#include "ui/run/RunController.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <algorithm>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/RunControlTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/StockTotals.h"
#include "optimiser/fewest/FewestRods.h"
#include "reports/ReportLines.h"
#include "ui/common/FormControls.h"
#include "ui/common/ProgramStyle.h"
#include "ui/production/ProductionJobRun.h"
#include "ui/run/ExactMethodRun.h"
#include "ui/run/WindowRunObserver.h"

namespace marlo {

namespace {

// A press this soon after a run has ended was meant for the run that has just ended.
constexpr qint64 kLateStopPressMilliseconds = 500;
// The most a stopped run's progress shows: it never reads as a run that used its time.
constexpr double kStoppedProgressCeiling = 99.0;

}  // namespace

RunController::RunController(QWidget* form, JobState& state, ResultView& results,
                             WindowMessages& messages, FewestRodsSolver fewestRodsSolver,
                             StockSource readStock, JobStockSource readJobStock)
    : QObject(form),
      state_(state),
      fewestRodsSolver_(std::move(fewestRodsSolver)),
      readStock_(std::move(readStock)),
      readJobStock_(std::move(readJobStock)),
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
    optimiseButton_->setToolTip(messages_.text(core_text::kOptimise));
}

void RunController::optimiseOrStop() {
    // A production job's run that has been asked to stop is ending with its best plans.
    if (productionRun_ != nullptr) {
        if (running_) {
            running_ = false;
            productionRun_->stop();
        }
        return;
    }
    if (running_ && exactRun_ != nullptr) {
        stopExact();
        return;
    }
    if (running_) {
        stop();
        return;
    }
    if (justEnded()) return;
    if (state_.production) {
        startProduction();
        return;
    }
    // A stopped search that has not returned yet still owns the display.
    if (searchInProgress_ || state_.list.empty()) return;
    start();
}

void RunController::start() {
    // A run from stock takes the material's stock as the store holds it now.
    std::optional<MaterialStock> stock;
    if (!state_.material.empty()) {
        stock = readStock_(state_.material);
        if (!stock) {
            clearResult();
            return;
        }
    }
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(
        state_.list, longestUsableLength(state_.parameters, stock ? stock->list : StockList{}),
        *pieces);
    if (!showPreparationMessages(prepared)) {
        clearResult();
        return;
    }
    if (pieces->count() == 0) return;
    resetResult();
    setBusy(true);
    runMethod_ = stock ? OptimisationMethod::FewestRods : state_.methodChoice.method;
    runStock_ = std::move(stock);
    if (runMethod_ == OptimisationMethod::FewestRods)
        runExact(std::move(pieces), runStock_);
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
    optimiseButton_->setToolTip(messages_.text(core_text::kCancel));

    WindowRunObserver observer(
        running_,
        [this](double percent, const PlanSummary& totals) {
            results_.showProgress(percent, totals, state_.parameters);
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
        state_.result = searchPlanResult(std::move(plan), bound, state_.parameters);
        results_.showResult(state_.result.plan);
        results_.showLowerBound(bound, state_.result.optimal, false);
        showRunStatus(run_text::kFinished);
        emit resultAvailable(true);
        state_.resultPresent = true;
    } else {
        // After an abort for a rod of too many pieces the totals of the last complete rod stay;
        // after the pattern limit they would describe a plan that does not exist, so they go.
        if (plan.abortMessage == msg::kTooManyPatterns) results_.clear();
        showRunStatus(run_text::kAborted);
    }
    setOptimiseEnabled(state_.hasSomethingToPlan());
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

void RunController::runExact(std::unique_ptr<PieceList> pieces,
                             std::optional<MaterialStock> stock) {
    optimiseButton_->setIcon(stopIcon_);
    running_ = true;
    optimiseButton_->setToolTip(messages_.text(core_text::kCancel));
    const std::chrono::seconds timeLimit(state_.methodChoice.timeLimitSeconds);
    ExactSolve solve =
        stock ? stockSolve(state_.parameters, stock->list, state_.methodChoice)
              : fewestRodsSolve(fewestRodsSolver_, state_.parameters, state_.methodChoice);
    exactRun_ = new ExactMethodRun(std::move(solve), std::move(pieces), timeLimit, this);
    connect(exactRun_, &ExactMethodRun::progressed, this, &RunController::showExactProgress);
    connect(exactRun_, &ExactMethodRun::finished, this, [this] {
        const PlanResult result = *exactRun_->best();
        abandonExactRun();
        finishExact(result, std::nullopt);
    });
    exactRun_->start();
}

// The stop press of an exact method's run: the best plan so far is the result, not proven unless
// it already was; without a plan it is an interrupted run.
void RunController::stopExact() {
    const std::optional<PlanResult> best = exactRun_->best();
    const double progress = exactRun_->elapsedPercent();
    abandonExactRun();
    if (best && best->plan.status == RunStatus::Finished)
        finishExact(*best, progress);
    else
        stop();
}

void RunController::abandonExactRun() {
    if (exactRun_ == nullptr) return;
    exactRun_->stop();
    exactRun_->disconnect(this);
    exactRun_->deleteLater();
    exactRun_ = nullptr;
}

// The time used as the progress, and the best plan so far with its bound as the totals. A plan
// that leaves pieces uncut is no plan: it shows no totals.
void RunController::showExactProgress() {
    const std::optional<PlanResult>& best = exactRun_->best();
    if (!best || best->plan.status != RunStatus::Finished) {
        results_.showPercent(exactRun_->elapsedPercent());
        return;
    }
    showExactResult(*best, exactRun_->elapsedPercent());
}

void RunController::finishExact(const PlanResult& result, std::optional<double> stoppedAt) {
    restoreOptimiseButton();
    if (result.plan.status == RunStatus::Aborted) {
        QString message = messages_.text(result.plan.abortMessage);
        if (!result.uncut.empty())
            for (const std::string& line :
                 uncutLines(result.uncut, result.missingLength, messages_.catalogue()))
                message += QLatin1Char('\n') + QString::fromStdString(line);
        messages_.showError(message);
        // Without a plan neither the time used nor any totals stay on screen.
        results_.clear();
        showRunStatus(run_text::kAborted);
    } else {
        state_.result = result;
        state_.resultStock = runStock_;
        results_.showResult(state_.result.plan);
        // A stopped run has not used its time: its progress stays short of the full bar.
        showExactResult(result, stoppedAt ? std::min(*stoppedAt, kStoppedProgressCeiling) : 100.0);
        showRunStatus(stoppedAt ? run_text::kStoppedBestPlan : run_text::kFinished);
        state_.resultPresent = true;
        emit resultAvailable(true);
    }
    setOptimiseEnabled(state_.hasSomethingToPlan());
    setBusy(false);
}

// The totals of a plan of an exact method and its bound: of rods, or of a plan from stock the
// price with its bound.
void RunController::showExactResult(const PlanResult& result, double progress) {
    results_.showPercent(progress);
    results_.showTotals(result.plan, state_.parameters);
    if (result.price)
        results_.showPriceBound(result.priceLowerBound, result.optimal);
    else
        results_.showLowerBound(result.lowerBound, result.optimal, true);
}

void RunController::startProduction() {
    const std::vector<std::string> materials = materialsOfParts(*state_.production);
    if (materials.empty()) return;
    const std::optional<std::map<std::string, MaterialStock>> stock = readJobStock_(materials);
    if (!stock) {
        clearResult();
        return;
    }
    resetResult();
    setBusy(true);
    runMethod_ = OptimisationMethod::FewestRods;
    runStock_.reset();
    ProductionRunOptions options{state_.parameters, state_.methodChoice, {}, nullptr, {}, {}, {}};
    for (const auto& [name, materialStock] : *stock)
        options.stock.emplace(name, materialStock.list);
    state_.productionStock = *stock;
    optimiseButton_->setIcon(stopIcon_);
    running_ = true;
    optimiseButton_->setToolTip(messages_.text(core_text::kCancel));
    productionRun_ = new ProductionJobRun(*state_.production, std::move(options), this);
    connect(productionRun_, &ProductionJobRun::progressed, this, [this] {
        results_.showPercent(100.0 * productionRun_->materialsPlanned() /
                             std::max(1, productionRun_->materialCount()));
        emit productionProgressed(productionRun_->progress());
    });
    connect(productionRun_, &ProductionJobRun::finished, this, &RunController::finishProduction);
    results_.showPercent(0.0);
    productionRun_->start();
}

void RunController::finishProduction() {
    const bool stopped = productionRun_->stopRequested();
    state_.productionPlan = *productionRun_->plan();
    abandonProductionRun();
    restoreOptimiseButton();
    productionStatus_ = stopped ? run_text::kStoppedBestPlan : run_text::kFinished;
    showRunStatus(productionStatus_);
    setBusy(false);
    setOptimiseEnabled(true);
    emit productionPlanned();
}

void RunController::abandonProductionRun() {
    if (productionRun_ == nullptr) return;
    productionRun_->abandon();
    productionRun_->disconnect(this);
    productionRun_->deleteLater();
    productionRun_ = nullptr;
}

// The plan of one material as a run of the material alone would show it.
void RunController::showMaterialPlan(const MaterialPlan& material) {
    results_.clear();
    showMethodStatus(
        material.result.fromStock() ? stock_text::kStockMethod : fewest_text::kFewestRodsMethod,
        productionStatus_);
    if (!material.hasPlan()) return;
    results_.showResult(material.result.plan);
    if (state_.production) {
        std::vector<std::vector<std::vector<std::string>>> marks;
        for (const PatternParts& rods : material.pieceParts)
            marks.push_back(marksOfRods(rods, *state_.production));
        results_.showPieceMarks(marks);
    }
    results_.showPercent(100.0);
    results_.showTotals(material.result.plan, material.parts.parameters);
    if (material.result.price)
        results_.showPriceBound(material.result.priceLowerBound, material.result.optimal);
    else
        results_.showLowerBound(material.result.lowerBound, material.result.optimal, true);
}

void RunController::stop() {
    abandonExactRun();
    abandonProductionRun();
    resetResult();
    setBusy(true);
    restoreOptimiseButton();
    showRunStatus(run_text::kStopped);
    messages_.notify(msg::kInterrupted);
    setBusy(false);
    setOptimiseEnabled(state_.hasSomethingToPlan());
}

void RunController::endQuietly() {
    abandonExactRun();
    abandonProductionRun();
    if (!running_) return;
    restoreOptimiseButton();
    setBusy(false);
}

void RunController::clearResult() {
    resetResult();
    sinceEnd_.invalidate();
}

void RunController::resetResult() {
    state_.result = PlanResult{};
    state_.resultStock.reset();
    state_.productionPlan.reset();
    state_.productionStock.clear();
    state_.booked = false;
    results_.clear();
    state_.resultPresent = false;
    // Printing and exporting need the result that has just gone.
    emit resultAvailable(false);
}

// The status line of the evaluation: which method made the shown result, and how its run ended.
void RunController::showRunStatus(int stateOffset) {
    showMethodStatus(runStock_                                      ? stock_text::kStockMethod
                     : runMethod_ == OptimisationMethod::FewestRods ? fewest_text::kFewestRodsMethod
                                                                    : fewest_text::kSearchMethod,
                     stateOffset);
}

void RunController::showMethodStatus(int methodOffset, int stateOffset) {
    results_.showRunStatus(messages_.text(methodOffset) + QStringLiteral(": ") +
                           messages_.text(stateOffset));
}

void RunController::restoreOptimiseButton() {
    optimiseButton_->setIcon(optimiseIcon_);
    running_ = false;
    optimiseButton_->setToolTip(messages_.text(core_text::kOptimise));
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
