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
#include "ui/production/ProductionJobView.h"
#include "ui/run/ResultView.h"
#include "ui/run/RunController.h"

namespace marlo {

namespace {

// The share of the screen's height, in percent, that a window showing a production job takes.
constexpr int kProductionScreenShare = 85;

}  // namespace

void MainWindow::readProductionJob(const QString& path) {
    std::optional<ProductionJob> opened = jobFiles().readProduction(path);
    if (!opened) return;
    editor_->showJob(Job{opened->header, {}});
    state_.production = std::move(*opened);
    // Where each material's rods will come from, as far as the store can tell without a word.
    const std::vector<std::string> materials = materialsOfParts(*state_.production);
    std::map<std::string, int> storeRows;
    if (const auto stock = stockSession_.stockOfMaterials(materials, StockSession::Failure::Quiet))
        for (const auto& [name, material] : *stock)
            storeRows.emplace(name, static_cast<int>(material.list.items.size()));
    production_->showJob(*state_.production, std::move(storeRows), state_.parameters);
    showProductionView(true);
    enableProductionRun();
    history_->restart();
    state_.fileName = path;
    showFileNameInTitle();
    state_.changed = false;
    recentJobs_->remember(path);
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
    state_.production->parts = production_->parts();
    enableProductionRun();
    listChanged();
}

void MainWindow::enableProductionRun() {
    run_->setOptimiseEnabled(!state_.production->parts.empty());
}

void MainWindow::showProductionPlan() {
    const ProductionPlan& plan = *state_.productionPlan;
    production_->showPlan(plan);
    // The outputs are written from a plan of every material, as the command line writes them.
    const bool outputs = plan.complete();
    menus_->enableResultCommands(outputs);
    sawOutputs_->enable(outputs);
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
