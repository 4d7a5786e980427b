#include "ui/production/PartsListCommand.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <algorithm>

#include "i18n/texts/ProductionMaterialTexts.h"
#include "reports/PartsExport.h"
#include "reports/TextReport.h"
#include "ui/common/FilePaths.h"

namespace marlo {

namespace pmt = production_material_text;

PartsListCommand::PartsListCommand(QWidget* window, QMenu* fileMenu,
                                   std::function<std::optional<ProductionJob>()> job,
                                   const QString& fileName, const StringCatalogue& catalogue,
                                   Dialogs& dialogs, WindowMessages& messages)
    : QObject(window),
      window_(window),
      job_(std::move(job)),
      fileName_(fileName),
      catalogue_(catalogue),
      dialogs_(dialogs),
      messages_(messages) {
    command_ = new QAction(window);
    command_->setObjectName(QStringLiteral("mnu_export_kusovnik"));
    // After the cutting list's export, below the parts list's import.
    const QList<QAction*> commands = fileMenu->actions();
    const auto exportList = std::find_if(commands.begin(), commands.end(), [](QAction* command) {
        return command->objectName() == QLatin1String("mnu_export_zoznamu");
    });
    fileMenu->insertAction(exportList == commands.end() || exportList + 1 == commands.end()
                               ? nullptr
                               : *(exportList + 1),
                           command_);
    connect(command_, &QAction::triggered, this, &PartsListCommand::exportPartsList);
    enable(false);
}

void PartsListCommand::loadTexts() {
    command_->setText(messages_.text(pmt::kExportPartsList));
}

void PartsListCommand::enable(bool enabled) {
    command_->setEnabled(enabled);
}

// The job's file with the parts list's extension in place of its own, as the reports propose.
QString PartsListCommand::proposedFileName() const {
    return QString::fromStdString(proposedReportFileName(fileName_.toStdString(), catalogue_)) +
           QStringLiteral(".csv");
}

void PartsListCommand::exportPartsList() {
    const std::optional<ProductionJob> job = job_();
    if (!job) return;
    const std::optional<QString> path = dialogs_.saveFileName(
        window_, {messages_.text(pmt::kPartsListFilter), 2, proposedFileName()});
    if (!path || path->isEmpty()) return;
    const std::filesystem::path target = filePath(*path);
    // Another extension would leave the reader of the file guessing what it holds.
    const std::optional<PartsFileType> type = partsFileType(target);
    if (!type) {
        messages_.showError(messages_.text(pmt::kPartsListType));
        return;
    }
    if (!writePartsFile(target, *type, *job, catalogue_))
        messages_.showError(messages_.text(msg::kCannotWriteFile) + *path);
}

}  // namespace marlo
