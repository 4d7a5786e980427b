#include "ui/labels/SawOutputCommands.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>

#include "diagram/DiagramSource.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/SawOutputTexts.h"
#include "i18n/texts/WindowProductionTexts.h"
#include "jobfile/AtomicFile.h"
#include "labelpaint/LabelDocumentFiles.h"
#include "labelpaint/PartsCheckListFile.h"
#include "labels/LabelCode.h"
#include "labels/LabelSettings.h"
#include "labels/SawListCsv.h"
#include "labels/SawSheet.h"
#include "reports/TextReport.h"
#include "ui/common/FileMenuCommands.h"
#include "ui/common/PrintCopies.h"
#include "ui/labels/LabelDialog.h"

namespace marlo {

SawOutputCommands::SawOutputCommands(QWidget* window, QMenu* fileMenu, const JobState& state,
                                     std::function<JobHeader()> header,
                                     const StringCatalogue& catalogue, Dialogs& dialogs,
                                     WindowMessages& messages, SettingsStore& settings)
    : QObject(window),
      window_(window),
      state_(state),
      header_(std::move(header)),
      catalogue_(catalogue),
      dialogs_(dialogs),
      messages_(messages),
      settings_(settings) {
    // The commands follow the diagram's in the File menu, before the recent jobs.
    auto command = [&](const char* name, void (SawOutputCommands::*run)()) {
        QAction* item = addFileCommand(window, fileMenu, name);
        connect(item, &QAction::triggered, this, run);
        return item;
    };
    addFileSeparator(fileMenu, "sawSeparator");
    printLabels_ = command("mnu_tlacit_stitky", &SawOutputCommands::printLabels);
    exportLabels_ = command("mnu_export_stitky_pdf", &SawOutputCommands::exportLabels);
    printSawList_ = command("mnu_tlacit_pilovy_zoznam", &SawOutputCommands::printSawList);
    exportSawSheet_ = command("mnu_export_pilovy_zoznam_pdf", &SawOutputCommands::exportSawSheet);
    exportSawListCsv_ =
        command("mnu_export_pilovy_zoznam_csv", &SawOutputCommands::exportSawListCsv);
    exportPartsCheckList_ =
        command("mnu_export_kontrolny_zoznam", &SawOutputCommands::exportPartsCheckList);
    enable(false);
}

void SawOutputCommands::loadTexts() {
    printLabels_->setText(messages_.text(saw_text::kPrintLabels));
    exportLabels_->setText(messages_.text(saw_text::kExportLabels));
    printSawList_->setText(messages_.text(saw_text::kPrintSawList));
    exportSawSheet_->setText(messages_.text(saw_text::kExportSawSheet));
    exportSawListCsv_->setText(messages_.text(saw_text::kExportSawCsv));
    exportPartsCheckList_->setText(messages_.text(window_production_text::kExportPartsCheckList));
}

void SawOutputCommands::enable(bool enabled) {
    for (QAction* item :
         {printLabels_, exportLabels_, printSawList_, exportSawSheet_, exportSawListCsv_})
        item->setEnabled(enabled);
    // The check list belongs to the parts of a production job.
    exportPartsCheckList_->setEnabled(enabled && planned());
}

bool SawOutputCommands::planned() const {
    return state_.production && state_.productionPlan;
}

SawList SawOutputCommands::currentSawList() const {
    return sawList(state_.list, state_.result);
}

// A planned production job's saw sheet holds every material's patterns with each piece's part.
PagedDocument SawOutputCommands::currentSawSheet() const {
    if (planned())
        return composeProductionSawSheet(*state_.production, *state_.productionPlan, todaysDate(),
                                         catalogue_);
    return composeSawSheet(header_(), currentSawList(), todaysDate(), catalogue_);
}

std::optional<PagedDocument> SawOutputCommands::chooseLabels() {
    const JobHeader header = header_();
    const std::string reference = labelReference(state_.fileName.toStdString(), header.customer);
    std::vector<PieceLabel> labels =
        planned() ? productionPieceLabels(*state_.production, *state_.productionPlan, reference,
                                          todaysDate())
                  : pieceLabels(header, currentSawList(), reference, todaysDate());
    // A booked plan's new offcuts get their stickers after the pieces'.
    LabelDialog dialog(window_, catalogue_, std::move(labels),
                       state_.booked ? state_.bookedOffcuts : std::vector<OffcutLabel>{},
                       readLabelSettings(settings_));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    saveLabelSettings(settings_, dialog.choice());
    return dialog.document();
}

std::optional<QString> SawOutputCommands::savePath(int filterOffset, const QString& ending) {
    const QString proposed =
        QString::fromStdString(proposedReportFileName(state_.fileName.toStdString(), catalogue_)) +
        ending;
    const std::optional<QString> path =
        dialogs_.saveFileName(window_, {messages_.text(filterOffset), 2, proposed});
    if (!path || path->isEmpty()) return std::nullopt;
    return path;
}

bool SawOutputCommands::printerInstalled(int noPrinterMessage) {
    if (dialogs_.printerInstalled()) return true;
    messages_.showError(noPrinterMessage);
    return false;
}

void SawOutputCommands::print(const PagedDocument& document, int titleOffset) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(messages_.text(titleOffset));
    printer.setFullPage(true);
    if (!dialogs_.setUpPrinter(window_, printer)) return;
    printEveryCopy(printer, messages_, [&document](QPrinter& device, int copies) {
        return paintPagedDocument(device, document, copies);
    });
}

void SawOutputCommands::printLabels() {
    if (!printerInstalled(saw_text::kNoPrinterForLabels)) return;
    if (const std::optional<PagedDocument> document = chooseLabels())
        print(*document, saw_text::kLabels);
}

void SawOutputCommands::exportLabels() {
    const std::optional<PagedDocument> document = chooseLabels();
    if (!document) return;
    const std::optional<QString> path =
        savePath(diagram_text::kPdfFilter, QStringLiteral("-labels.pdf"));
    if (path &&
        !savePagedDocumentPdf(*document, path->toStdString(), messages_.text(saw_text::kLabels)))
        messages_.showError(messages_.text(msg::kCannotWriteFile) + *path);
}

void SawOutputCommands::printSawList() {
    if (!printerInstalled(saw_text::kNoPrinterForSawList)) return;
    print(currentSawSheet(), saw_text::kSawList);
}

void SawOutputCommands::exportSawSheet() {
    const std::optional<QString> path =
        savePath(diagram_text::kPdfFilter, QStringLiteral("-saw.pdf"));
    if (!path) return;
    if (!savePagedDocumentPdf(currentSawSheet(), path->toStdString(),
                              messages_.text(saw_text::kSawList)))
        messages_.showError(messages_.text(msg::kCannotWriteFile) + *path);
}

void SawOutputCommands::exportSawListCsv() {
    const std::optional<QString> path = savePath(saw_text::kCsvFilter, QStringLiteral("-saw.csv"));
    if (!path) return;
    const std::string csv = planned()
                                ? productionSawListCsv(*state_.production, *state_.productionPlan)
                                : sawListCsv(currentSawList());
    if (!writeFileAtomically(path->toStdString(), csv))
        messages_.showError(messages_.text(msg::kCannotWriteFile) + *path);
}

void SawOutputCommands::exportPartsCheckList() {
    if (!planned()) return;
    const std::optional<QString> path =
        savePath(window_production_text::kPartsCheckListFilter, QStringLiteral("-parts.csv"));
    if (path && !savePartsCheckList(path->toStdString(), *state_.production, *state_.productionPlan,
                                    todaysDate(), catalogue_))
        messages_.showError(messages_.text(msg::kCannotWriteFile) + *path);
}

}  // namespace marlo
