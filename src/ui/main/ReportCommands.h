#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/ProductionJob.h"
#include "optimiser/PlanResult.h"
#include "production/ProductionPlanning.h"
#include "reports/TextReport.h"
#include "ui/common/UiContext.h"
#include "ui/common/WindowMessages.h"

class QPrinter;
class QWidget;

namespace marlo {

// The result and the job it belongs to, as the report commands read them.
struct ReportSource {
    Job job;
    const PlanResult& result;
    QString jobFileName;  // empty for a new job
    // A planned production job, reported in place of the result: a section per material.
    const ProductionJob* production = nullptr;
    const ProductionPlan* productionPlan = nullptr;
};

// Print, Export PDF, Text and Excel of the main window: each orders the cutting list for the report
// and writes the shown result in the current language. A failure ends the command with a message
// that says what went wrong; the window stays usable. A planned production job is written by the
// command line's builders instead, every material's report in one file.
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
    // The report's sections: the shown result's one, or a planned production job's, one per
    // material; nothing (after a message) when one does not fit a report.
    std::optional<std::vector<ReportData>> reportSections();
    bool producing() const { return source_.productionPlan != nullptr; }
    void showPrintFailure(const QPrinter& printer);
    // Writes the workbook (one sheet, or named sheets) as a new file in the temporary folder and
    // opens it in the user's spreadsheet application.
    template <typename Workbook>
    void openWorkbook(const Workbook& sheet);

    QWidget* parent_;
    UiContext context_;
    const StringCatalogue& catalogue_;
    WindowMessages messages_;
    ReportSource source_;
};

}  // namespace marlo
