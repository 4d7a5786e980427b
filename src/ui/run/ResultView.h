#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "optimiser/CuttingPlan.h"
#include "ui/common/WindowMessages.h"

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

    // The cut thickness and rod length; with a material of the stock store chosen, the
    // material's name in place of the rod length and a line that names the method that plans
    // from it.
    void showParameters(const JobParameters& parameters, const std::string& material);
    // The progress and the totals of the rods cut so far, of the single rod length.
    void showProgress(double percent, const PlanSummary& totals, const JobParameters& parameters);
    void showPercent(double percent);
    // The totals of a plan of an exact method; of a plan from stock also its price, the material
    // used and the leftovers.
    void showTotals(const CuttingPlan& plan, const JobParameters& parameters);
    // A finished result: full progress and the patterns, the last one selected; a plan from
    // stock has a column for the rod each pattern is cut from.
    void showResult(const CuttingPlan& result);
    // The marks of the shown patterns' pieces, per pattern and rod (see marksOfRods): each
    // piece's cell names in its tooltip the marks it is cut for, with how many rods cut it for
    // each.
    void showPieceMarks(const std::vector<std::vector<std::vector<std::string>>>& marks);
    // The lower bound line of the evaluation frame (see LowerBoundLine::show).
    void showLowerBound(std::optional<int> bound, bool optimal, bool proofSought);
    // The line of the lower bound of a plan from stock: the bound of its price.
    void showPriceBound(std::optional<double> bound, bool optimal);
    // The last line of the evaluation frame: the method of the run and how it ended.
    void showRunStatus(const QString& status);
    // No progress, no totals, no bound, no status, an empty result grid.
    void clear();

    QWidget* resultGrid() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitResultGrid();
    void showStockLine();
    void showTotals(const PlanSummary& totals, std::optional<double> percentUsed);

    WindowMessages& messages_;

    QLabel* progressText_;
    QProgressBar* progressBar_;
    QLabel* cutThicknessCaption_;
    QLabel* rodLengthCaption_;
    QLabel* cutThicknessValue_;
    QLabel* rodLengthValue_;
    QLabel* stockLine_;  // the chosen material; hidden without one
    std::string material_;
    QWidget* resultRoom_;
    QTableWidget* resultGrid_;
    int firstPieceColumn_ = 0;  // of the result grid: the columns before are the pattern's
    QGroupBox* totalsFrame_;
    // Captions at even, values at odd indices: rods, waste, waste pieces, efficiency,
    // possibilities.
    std::array<QLabel*, 10> totalsLabels_;
    LowerBoundLine* lowerBound_;
    QLabel* runStatus_;
    QLabel* stockTotals_;  // of a plan from stock; hidden otherwise
};

}  // namespace marlo
