// The main window's job files: New, Open (also of a file given on the command line, dropped on
// the window or chosen among the recent jobs), Save, Save As and the question whether to save a
// changed job. The rest of the main window is in MainWindow.cpp.

#include <QFileInfo>

#include "i18n/texts/CoreTexts.h"
#include "jobfile/ProductionJobFile.h"
#include "ui/common/FilePaths.h"
#include "ui/common/FixedTexts.h"
#include "ui/job/JobEditor.h"
#include "ui/job/JobHistory.h"
#include "ui/job/RecentJobsMenu.h"
#include "ui/main/MainWindow.h"
#include "ui/run/ResultView.h"
#include "ui/run/RunController.h"

namespace marlo {

void MainWindow::newJob() {
    if (!confirmDiscardChanges()) return;
    resetScreen();
    disableResultCommands();
}

void MainWindow::openJob() {
    if (!confirmDiscardChanges()) return;
    // The old job goes before the dialog: cancelling it leaves a new, empty job.
    resetScreen();
    disableResultCommands();
    if (const std::optional<QString> path = jobFiles().chooseFileToOpen()) readJob(*path);
}

void MainWindow::openJobFile(const QString& path) {
    if (!confirmDiscardChanges()) return;
    resetScreen();
    disableResultCommands();
    readJob(QFileInfo(path).absoluteFilePath());
}

void MainWindow::readJob(const QString& path) {
    if (isProductionJobFileName(filePath(path))) {
        readProductionJob(path);
        return;
    }
    const std::optional<Job> opened = jobFiles().read(path);
    if (!opened) return;
    editor_->showJob(*opened);
    history_->restart();
    state_.fileName = path;
    showFileNameInTitle();
    state_.changed = false;
    recentJobs_->remember(path);
}

void MainWindow::saveJob() {
    if (!state_.changed) return;
    // A job that has only been saved under a name still counts as new and asks for the name.
    if (windowTitle() == messages_.text(core_text::kNewJobTitle)) {
        const std::optional<QString> path = chooseFileToSave();
        if (path) writeJob(*path);
        return;
    }
    writeJob(state_.fileName);
}

void MainWindow::saveJobAs() {
    const std::optional<QString> path = chooseFileToSave();
    if (path && writeJob(*path)) showFileNameInTitle();
}

bool MainWindow::writeJob(const QString& path) {
    // The job is bound to a file only once it is in it.
    const bool written = state_.production ? jobFiles().writeProduction(path, productionJob())
                                           : jobFiles().write(path, job());
    if (!written) return false;
    state_.fileName = path;
    state_.changed = false;
    recentJobs_->remember(QFileInfo(path).absoluteFilePath());
    return true;
}

void MainWindow::showFileNameInTitle() {
    setWindowTitle(QLatin1String(kProductTitle) + QStringLiteral(" : ") + state_.fileName);
}

bool MainWindow::confirmDiscardChanges() {
    if (!state_.changed) return true;
    const QString question = state_.fileName.isEmpty()
                                 ? messages_.text(core_text::kSaveChangesQuestion)
                                 : messages_.text(core_text::kSaveChangesToQuestion) +
                                       state_.fileName + QLatin1Char('?');
    switch (messages_.askYesNoCancel(question)) {
        case MessageAnswer::Yes:
            // A save that was cancelled or failed keeps the job rather than losing it.
            saveJob();
            return !state_.changed;
        case MessageAnswer::No:
            state_.changed = false;
            return true;
        case MessageAnswer::Cancel:
        case MessageAnswer::Ok:
            break;
    }
    return false;
}

JobFileCommands MainWindow::jobFiles() {
    return JobFileCommands(this, context_.dialogs, catalogue_);
}

}  // namespace marlo
