#include "ui/diagram/DiagramCommands.h"

#include <QPrinter>

#include "drawing/DiagramFiles.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/WindowOutputTexts.h"
#include "reports/TextReport.h"
#include "ui/common/FilePaths.h"
#include "ui/common/PrintCopies.h"

namespace marlo {

DiagramCommands::DiagramCommands(QWidget* parent, Dialogs& dialogs, WindowMessages& messages,
                                 const StringCatalogue& catalogue, DiagramLayout diagram,
                                 QString jobFileName)
    : parent_(parent),
      dialogs_(dialogs),
      messages_(messages),
      catalogue_(catalogue),
      diagram_(std::move(diagram)),
      jobFileName_(std::move(jobFileName)) {}

void DiagramCommands::print() {
    if (!dialogs_.printerInstalled()) {
        messages_.showError(window_output_text::kNoPrinterForDiagram);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(messages_.text(diagram_text::kTitle));
    if (!dialogs_.setUpPrinter(parent_, printer)) return;
    printEveryCopy(printer, messages_, [this](QPrinter& device, int copies) {
        return paintDiagramDocument(device, diagram_, copies);
    });
}

void DiagramCommands::exportFile(DiagramFileFormat format) {
    const bool pdf = format == DiagramFileFormat::Pdf;
    const QString proposed =
        QString::fromStdString(proposedReportFileName(jobFileName_.toStdString(), catalogue_)) +
        (pdf ? QStringLiteral("-diagram.pdf") : QStringLiteral("-diagram.svg"));
    const std::optional<QString> path = dialogs_.saveFileName(
        parent_,
        {messages_.text(pdf ? diagram_text::kPdfFilter : diagram_text::kSvgFilter), 2, proposed});
    if (!path || path->isEmpty()) return;
    if (!saveDiagram(diagram_, filePath(*path), format, messages_.text(diagram_text::kTitle)))
        messages_.showError(messages_.text(msg::kCannotWriteFile) + *path);
}

}  // namespace marlo
