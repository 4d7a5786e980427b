#pragma once

#include <QString>
#include <optional>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "optimiser/PlanResult.h"
#include "reports/TextReport.h"
#include "ui/common/UiContext.h"
#include "ui/common/WindowMessages.h"

class QWidget;

namespace marlo {

// The result and the job it belongs to, as the report commands read them.
struct ReportSource {
    Job job;
    const PlanResult& result;
    QString jobFileName;  // empty for a new job
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
