#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <optional>

#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "optimiser/CuttingPlan.h"
#include "ui/WindowMessages.h"

class QGroupBox;
class QLabel;
class QBoxLayout;
class QProgressBar;
class QTableWidget;
class QWidget;

namespace marlo {

class LowerBoundLine;

// The right half of the main window below and beside the Optimise button: the progress of a
// run, the cut thickness and rod length it uses, the result grid (one row per cutting pattern)
// and the totals.
class ResultView : public QObject {
    Q_OBJECT

  public:
    ResultView(QWidget* form, WindowMessages& messages);

    // The right column: the run row (the given Optimise button, the progress and the
    // parameters), the result grid and the totals.
    QBoxLayout* buildLayout(QWidget* optimiseButton);
    void setUpColumns();
    void loadTexts();

    void showParameters(const JobParameters& parameters);
    // The progress and the totals of the rods cut so far.
    void showProgress(double percent, const PlanSummary& totals, int16_t rodLength);
    // A finished result: full progress and the patterns, the last one selected.
    void showResult(const CuttingPlan& result);
    // The lower bound line of the evaluation frame (see LowerBoundLine::show).
    void showLowerBound(std::optional<int> bound, bool optimal, bool proofSought);
    // The last line of the evaluation frame: the method of the run and how it ended.
    void showRunStatus(const QString& status);
    // No progress, no totals, no bound, no status, an empty result grid.
    void clear();

    QWidget* resultGrid() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitResultGrid();

    WindowMessages& messages_;

    QLabel* progressText_;
    QProgressBar* progressBar_;
    QLabel* cutThicknessCaption_;
    QLabel* rodLengthCaption_;
    QLabel* cutThicknessValue_;
    QLabel* rodLengthValue_;
    QWidget* resultRoom_;
    QTableWidget* resultGrid_;
    QGroupBox* totalsFrame_;
    // Captions at even, values at odd indices: rods, waste, waste pieces, efficiency,
    // possibilities.
    std::array<QLabel*, 10> totalsLabels_;
    LowerBoundLine* lowerBound_;
    QLabel* runStatus_;
};

}  // namespace marlo
