// The main window's side of production jobs (*.mvjob): opening one into the parts grid, its
// changes, its plan and saving it. The rest of the main window is in MainWindow.cpp.

#include <QAction>
#include <QFileInfo>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "reports/ProductionReports.h"
#include "ui/diagram/DiagramView.h"
#include "ui/job/JobEditor.h"
#include "ui/job/JobHistory.h"
#include "ui/job/RecentJobsMenu.h"
#include "ui/labels/SawOutputCommands.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/production/PartsListCommand.h"
#include "ui/production/ProductionJobView.h"
#include "ui/run/ResultView.h"
#include "ui/run/RunController.h"
#include "ui/stock/StockCommands.h"

namespace marlo {

namespace {

// The share of the screen's height, in percent, that a window showing a production job takes.
constexpr int kProductionScreenShare = 85;

}  // namespace

void MainWindow::readProductionJob(const QString& path) {
    std::optional<ProductionJob> opened = jobFiles().readProduction(path);
    if (!opened) return;
    showProductionJob(std::move(*opened));
    state_.fileName = path;
    showFileNameInTitle();
    state_.changed = false;
    recentJobs_->remember(path);
}

void MainWindow::importPartsList(ColumnQuestion question) {
    if (!confirmDiscardChanges()) return;
    // As with Open, the old job goes before the dialog.
    resetScreen();
    disableResultCommands();
    const std::optional<QString> path =
        PartsListImport(this, context_.dialogs, context_.settings, messages_).chooseFile();
    if (path) readPartsList(*path, question);
}

void MainWindow::importPartsListFile(const QString& path) {
    if (!confirmDiscardChanges()) return;
    resetScreen();
    disableResultCommands();
    readPartsList(QFileInfo(path).absoluteFilePath(), ColumnQuestion::WhenUnknown);
}

void MainWindow::readPartsList(const QString& path, ColumnQuestion question) {
    std::optional<ProductionJob> imported =
        PartsListImport(this, context_.dialogs, context_.settings, messages_).read(path, question);
    if (!imported) return;
    showProductionJob(std::move(*imported));
    // Untitled and changed: Save asks for the *.mvjob to write, closing asks to save it.
    state_.changed = true;
}

// A job opened or imported takes the cutting list's place, with a history of its own.
void MainWindow::showProductionJob(ProductionJob job) {
    editor_->showJob(Job{job.header, {}});
    state_.production = std::move(job);
    showProductionMaterials();
    showProductionView(true);
    history_->restart();
}

void MainWindow::showProductionMaterials() {
    production_->showJob(*state_.production, storeMaterials(), state_.parameters);
    enableProductionRun();
}

// Where each material's rods will come from and which names the store does not know, as far as
// the store can tell without a word.
StoreMaterials MainWindow::storeMaterials() {
    StoreMaterials store;
    store.names = stockSession_.materialNames();
    if (const auto stock = stockSession_.stockOfMaterials(materialsOfParts(*state_.production),
                                                          StockSession::Failure::Quiet))
        for (const auto& [name, material] : *stock) store.stock.emplace(name, material.list);
    return store;
}

// The choice is kept in the job itself: its parts name the store's material, so that the planner,
// the outputs and the saved file all see the one name. The material's settings move with the name,
// which no step of the parts could undo: the history starts again, so that an older step cannot
// give parts back the name without its settings.
void MainWindow::takeStoreMaterial(const std::string& name, const std::string& storeName) {
    if (!state_.production) return;
    state_.production->parts = production_->parts();
    renameMaterial(*state_.production, name, storeName);
    showProductionMaterials();
    history_->restart();
    listChanged();
}

// The parts grid takes the cutting list's place; the job editor's column grows for it, and the
// window with it, beyond the designed size. A *.opt job has the designed layout again.
void MainWindow::showProductionView(bool shown) {
    QWidget* column = leftColumn_->parentWidget();
    QWidget* form = centralWidget();
    if (shown && !production_->isVisible()) {
        leftColumnMaximumWidth_ = column->maximumWidth();
        formMinimumSize_ = form->minimumSize();
    }
    editor_->showCuttingList(!shown);
    production_->setVisible(shown);
    // The cutting list's import and export have no list to work on; Paste goes to the parts.
    const MainCommands& commands = menus_->commands();
    for (QAction* command : {commands.importList, commands.exportList}) command->setEnabled(!shown);
    partsList_->enable(shown);
    if (!shown) {
        state_.production.reset();
        state_.productionPlan.reset();
        column->setMaximumWidth(leftColumnMaximumWidth_);
        form->setMinimumSize(formMinimumSize_);
        results_->showParameters(state_.parameters, state_.material);
        return;
    }
    column->setMaximumWidth(QWIDGETSIZE_MAX);
    form->layout()->activate();
    form->setMinimumSize(formMinimumSize_.expandedTo(form->layout()->minimumSize()));
    if (!isVisible()) return;
    // A job of hundreds of parts wants rows: the window takes most of the screen's height.
    const QRect room = screen()->availableGeometry();
    const int frameHeight = frameGeometry().height() - height();
    resize(size()
               .expandedTo(minimumSizeHint())
               .expandedTo(QSize(0, room.height() * kProductionScreenShare / 100 - frameHeight)));
    // A window grown past the screen's edges moves back into view.
    const QRect frame = frameGeometry();
    move(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width())),
         std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
}

void MainWindow::productionEdited() {
    const std::vector<std::string> materialsBefore = materialsOfParts(*state_.production);
    state_.production->parts = production_->parts();
    state_.production->materials = production_->materials();
    // A material named anew may be one of the store's: its rods come from its stock.
    if (materialsOfParts(*state_.production) != materialsBefore)
        production_->showStore(storeMaterials());
    enableProductionRun();
    listChanged();
}

void MainWindow::enableProductionRun() {
    run_->setOptimiseEnabled(state_.hasSomethingToPlan());
}

void MainWindow::showProductionPlan() {
    const ProductionPlan& plan = *state_.productionPlan;
    production_->showPlan(plan);
    // The outputs are written from a plan of every material, as the command line writes them.
    const bool outputs = plan.complete();
    menus_->enableResultCommands(outputs);
    sawOutputs_->enable(outputs);
    stock_->followResult();
    diagram_->refresh();
    QStringList faults;
    for (const std::string& fault : productionPlanFaults(*state_.production, plan, catalogue_))
        faults << QString::fromStdString(fault);
    if (!faults.isEmpty()) messages_.showError(faults.join(QLatin1Char('\n')));
}

void MainWindow::showMaterialPlan(int index) {
    if (!state_.productionPlan ||
        index >= static_cast<int>(state_.productionPlan->materials.size()))
        return;
    const MaterialPlan& material = state_.productionPlan->materials[static_cast<size_t>(index)];
    run_->showMaterialPlan(material);
    // A plan from the store's stock names its material where a plan from rods names their length.
    results_->showParameters(material.parts.parameters,
                             material.result.price ? material.parts.material : std::string());
}

ProductionJob MainWindow::productionJob() const {
    ProductionJob job = *state_.production;
    const JobHeader header = editor_->header();
    job.header.customer = header.customer;
    job.header.name = header.name;
    job.header.colour = header.colour;
    return job;
}

std::optional<QString> MainWindow::chooseFileToSave() {
    return state_.production ? jobFiles().chooseProductionFileToSave(state_.fileName)
                             : jobFiles().chooseFileToSave(state_.fileName);
}

}  // namespace marlo
