#include "ui/ReportCommands.h"

#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QUrl>

#include "reports/PrintedReport.h"
#include "reports/ReportSummary.h"
#include "reports/SpreadsheetExport.h"
#include "reports/XlsxWriter.h"
#include "ui/FixedTexts.h"
#include "ui/PainterPrinter.h"

namespace marlo {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ReportCommands::ReportCommands(QWidget* parent, UiContext context, const StringCatalogue& catalogue,
                               ReportSource source)
    : parent_(parent), context_(context), catalogue_(catalogue), source_(std::move(source)) {}

char ReportCommands::decimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode())
                                                          : '.';
}

void ReportCommands::showError(int offset, const QString& detail) {
    context_.dialogs.message(
        parent_, {qText(catalogue_.text(offset)) + detail, qText(catalogue_.text(msg::kError)),
                  MessageButtons::Ok, MessageAnswer::Ok, MessageIcon::Error});
}

// The cutting list ordered for the report, with the shown result; nothing (after a message)
// when the list has more distinct dimensions than a report holds.
std::optional<ReportData> ReportCommands::reportData() {
    const std::optional<ReportSummary> summary =
        orderForReport(source_.job.list, source_.parameters.rodLength);
    if (!summary) {
        showError(msg::kTooManyDimensions);
        return std::nullopt;
    }
    ReportData data{source_.job.header, &source_.result.patterns, source_.result.summary,
                    source_.parameters, *summary};
    data.lowerBound = source_.lowerBound;
    data.optimal = source_.optimal;
    return data;
}

void ReportCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    if (!context_.dialogs.setUpPrinter(parent_, printer)) return;
    // The report repeats itself once per copy, so the printer prints what it is given once.
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    const std::optional<ReportData> data = reportData();
    if (!data) return;
    PainterPrinter painter(printer);
    printReport(painter, *data, catalogue_, copies, decimalSeparator());
    if (!painter.succeeded())
        showError(msg::kCannotWriteFile, printer.outputFileName().isEmpty()
                                             ? printer.printerName()
                                             : printer.outputFileName());
}

void ReportCommands::exportText() {
    const std::optional<QString> path = context_.dialogs.saveFileName(
        parent_, {qText(catalogue_.text(74)), 2,
                  qText(proposedReportFileName(source_.jobFileName.toStdString(), catalogue_))});
    if (!path || path->isEmpty()) return;
    const std::optional<ReportData> data = reportData();
    if (!data) return;
    // The name exactly as the dialog gave it: no extension is added.
    if (!saveTextReport(path->toStdString(), *data, catalogue_, decimalSeparator()))
        showError(msg::kCannotWriteFile, *path);
}

void ReportCommands::exportSpreadsheet() {
    const std::optional<ReportData> data = reportData();
    if (!data) return;
    const SpreadsheetOutcome outcome = exportToSpreadsheet(source_.job.list, *data, catalogue_);
    if (!outcome.sheet) {
        showError(outcome.failureMessage);
        return;
    }
    // The workbook is a new file in the temporary folder, opened in the user's spreadsheet
    // application, which leaves saving it where the user wants to the user.
    const std::filesystem::path file = uniqueSpreadsheetPath(
        source_.jobFileName.toStdString(), catalogue_, QDir::tempPath().toStdString());
    const QString shown = QString::fromStdString(file.string());
    if (!writeXlsx(*outcome.sheet, file)) {
        showError(msg::kCannotWriteFile, shown);
        return;
    }
    if (!context_.shell.openLink(QUrl::fromLocalFile(shown)))
        showError(msg::kCannotOpenSpreadsheet, shown);
}

}  // namespace marlo
