#pragma once

#include <QString>
#include <optional>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "optimiser/CuttingPlan.h"
#include "reports/TextReport.h"
#include "ui/common/UiContext.h"
#include "ui/common/WindowMessages.h"

class QWidget;

namespace marlo {

// The result and the job it belongs to, as the report commands read them.
struct ReportSource {
    Job job;
    JobParameters parameters;
    const CuttingPlan& result;
    QString jobFileName;  // empty for a new job
    // The lower bound that reports show after the totals: only of fewest-rods results.
    std::optional<int> lowerBound = std::nullopt;
    bool optimal = false;
    // Of a plan from stock: the proven lower bound of its price (`optimal`: proven cheapest).
    std::optional<double> priceLowerBound = std::nullopt;
};

// Print, Export PDF, Text and Excel of the main window: each orders the cutting list for the report
// and writes the shown result in the current language. A failure ends the command with a message
// that says what went wrong; the window stays usable.
class ReportCommands {
  public:
    ReportCommands(QWidget* parent, UiContext context, const StringCatalogue& catalogue,
                   ReportSource source);

    void print();
    void exportPdf();
    void exportText();
    void exportSpreadsheet();

  private:
    std::optional<ReportData> reportData();

    QWidget* parent_;
    UiContext context_;
    const StringCatalogue& catalogue_;
    WindowMessages messages_;
    ReportSource source_;
};

}  // namespace marlo
