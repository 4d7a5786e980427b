#include "ui/main/ReportCommands.h"

#include <QDir>
#include <QPrinter>
#include <QUrl>
#include <algorithm>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/OutputTexts.h"
#include "i18n/texts/WindowOutputTexts.h"
#include "paper/PainterPrinter.h"
#include "paper/ReportPdf.h"
#include "reports/PrintedReport.h"
#include "reports/ProductionReports.h"
#include "reports/ReportOfPlan.h"
#include "reports/SpreadsheetExport.h"
#include "reports/XlsxWriter.h"
#include "settings/UserLocale.h"
#include "ui/common/FixedTexts.h"
#include "ui/common/WindowMessages.h"

namespace marlo {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ReportCommands::ReportCommands(QWidget* parent, UiContext context, const StringCatalogue& catalogue,
                               ReportSource source)
    : parent_(parent),
      context_(context),
      catalogue_(catalogue),
      messages_(parent, context.dialogs, catalogue),
      source_(std::move(source)) {}

// The cutting list ordered for the report, with the shown result; nothing (after a message)
// when the list has more distinct dimensions than a report holds. Ordering warns again of each
// row that does not fit the rod, once per report.
std::optional<ReportData> ReportCommands::reportData() {
    std::vector<int> tooLongRows;
    std::optional<ReportData> data = reportOfPlan(source_.job, source_.result, &tooLongRows);
    for (size_t i = 0; i < tooLongRows.size(); ++i)
        messages_.warnDimensionTooLong(msg::kDimensionTooLong);
    if (!data) messages_.showError(msg::kTooManyDimensions);
    return data;
}

std::optional<std::vector<ReportData>> ReportCommands::reportSections() {
    if (!producing()) {
        std::optional<ReportData> data = reportData();
        if (!data) return std::nullopt;
        return std::vector<ReportData>{std::move(*data)};
    }
    std::optional<std::vector<ReportData>> sections =
        productionReports(*source_.production, *source_.productionPlan);
    if (!sections) messages_.showError(msg::kTooManyDimensions);
    return sections;
}

void ReportCommands::print() {
    // Without a printer the dialog could only fail; the PDF export is the way to paper then.
    if (!context_.dialogs.printerInstalled()) {
        messages_.showError(window_output_text::kNoPrinterForReport);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!context_.dialogs.setUpPrinter(parent_, printer)) return;
    // The report repeats itself once per copy, so the printer prints what it is given once.
    const int copies = std::max(printer.copyCount(), 1);
    printer.setCopyCount(1);
    const std::optional<std::vector<ReportData>> sections = reportSections();
    if (!sections) return;
    std::vector<ReportData> document;
    for (int copy = 0; copy < copies; ++copy)
        document.insert(document.end(), sections->begin(), sections->end());
    PainterPrinter painter(printer);
    printReports(painter, document, catalogue_, localeDecimalSeparator());
    if (!painter.succeeded()) showPrintFailure(printer);
}

void ReportCommands::showPrintFailure(const QPrinter& printer) {
    messages_.showError(msg::kCannotWriteFile, printer.outputFileName().isEmpty()
                                                   ? printer.printerName()
                                                   : printer.outputFileName());
}

void ReportCommands::exportPdf() {
    const std::optional<QString> path = context_.dialogs.saveFileName(
        parent_,
        {qText(catalogue_.text(output_text::kPdfFilter)), 2,
         qText(proposedReportFileName(source_.jobFileName.toStdString(), catalogue_) + ".pdf")});
    if (!path || path->isEmpty()) return;
    const std::optional<std::vector<ReportData>> sections = reportSections();
    if (sections &&
        !writeReportPdf(path->toStdString(), *sections, catalogue_, localeDecimalSeparator()))
        messages_.showError(msg::kCannotWriteFile, *path);
}

void ReportCommands::exportText() {
    const std::optional<QString> path = context_.dialogs.saveFileName(
        parent_, {qText(catalogue_.text(core_text::kTextFileFilter)), 2,
                  qText(proposedReportFileName(source_.jobFileName.toStdString(), catalogue_))});
    if (!path || path->isEmpty()) return;
    const std::optional<std::vector<ReportData>> sections = reportSections();
    // The name exactly as the dialog gave it; the dialog itself adds the chosen type's extension
    // to a name typed without one.
    if (sections &&
        !saveTextReports(path->toStdString(), *sections, catalogue_, localeDecimalSeparator()))
        messages_.showError(msg::kCannotWriteFile, *path);
}

void ReportCommands::exportSpreadsheet() {
    const std::optional<std::vector<ReportData>> sections = reportSections();
    if (!sections) return;
    if (producing())
        openWorkbook(productionWorkbook(*source_.production, *source_.productionPlan, *sections,
                                        catalogue_));
    else
        openWorkbook(composeSpreadsheet(sections->front(), catalogue_));
}

template <typename Workbook>
void ReportCommands::openWorkbook(const Workbook& sheet) {
    // The workbook is a new file in the temporary folder, opened in the user's spreadsheet
    // application, which leaves saving it where the user wants to the user.
    const std::filesystem::path file = uniqueSpreadsheetPath(
        source_.jobFileName.toStdString(), catalogue_, QDir::tempPath().toStdString());
    const QString shown = QString::fromStdString(file.string());
    if (!writeXlsx(sheet, file)) {
        messages_.showError(msg::kCannotWriteFile, shown);
        return;
    }
    if (!context_.shell.openLink(QUrl::fromLocalFile(shown)))
        messages_.showError(msg::kCannotOpenSpreadsheet, shown);
}

}  // namespace marlo
