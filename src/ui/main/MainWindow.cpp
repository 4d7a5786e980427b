#include "ui/main/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "i18n/texts/CoreTexts.h"
#include "settings/ProgramSettings.h"
#include "ui/about/AboutDialog.h"
#include "ui/about/DocumentationLink.h"
#include "ui/common/Twips.h"
#include "ui/diagram/DiagramView.h"
#include "ui/job/JobEditor.h"
#include "ui/job/JobFileDrop.h"
#include "ui/job/JobHistory.h"
#include "ui/job/ListTransfer.h"
#include "ui/job/RecentJobsMenu.h"
#include "ui/labels/SawOutputCommands.h"
#include "ui/main/CommandKeyPriority.h"
#include "ui/main/MainMenus.h"
#include "ui/main/OpeningAnimation.h"
#include "ui/parameters/ParametersDialog.h"
#include "ui/production/PartsListCommand.h"
#include "ui/production/ProductionJobView.h"
#include "ui/run/ResultView.h"
#include "ui/run/RunController.h"
#include "ui/startup/LanguageDialog.h"
#include "ui/stock/StockCommands.h"

namespace marlo {

MainWindow::MainWindow(UiContext context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      messages_(this, context_.dialogs, catalogue_),
      stockSession_(context_.settings, catalogue_, messages_) {
    setObjectName(QStringLiteral("Vypocet"));
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    setCentralWidget(form);
    editor_ = new JobEditor(form, state_, catalogue_, messages_);
    history_ = new JobHistory(*editor_, this);
    results_ = new ResultView(form, messages_);
    run_ = new RunController(
        form, state_, *results_, messages_, context_.fewestRodsSolver,
        [this](const std::string& material) { return stockSession_.stockOf(material); },
        [this](const std::vector<std::string>& materials) {
            return stockSession_.stockOfMaterials(materials, StockSession::Failure::Shown);
        });
    production_ = new ProductionJobView(catalogue_, messages_, *history_->stack(), form);
    production_->hide();
    layOutForm(form);
    menus_ = new MainMenus(this, messages_);
    diagram_ = new DiagramView(
        this, state_, [this] { return editor_->header(); }, catalogue_, context_.dialogs,
        messages_);
    sawOutputs_ = new SawOutputCommands(
        this, menus_->fileMenu(), state_, [this] { return editor_->header(); }, catalogue_,
        context_.dialogs, messages_, context_.settings);
    stock_ = new StockCommands(
        this, menus_->fileMenu(), state_, [this] { return editor_->header(); }, catalogue_,
        context_.dialogs, messages_, context_.settings, stockSession_);
    partsList_ = new PartsListCommand(
        this, menus_->fileMenu(),
        [this]() -> std::optional<ProductionJob> {
            if (!state_.production) return std::nullopt;
            return productionJob();
        },
        state_.fileName, catalogue_, context_.dialogs, messages_);
    recentJobs_ = new RecentJobsMenu(menus_->recentJobsMenu(), context_.settings, messages_);
    setAcceptDrops(true);
    auto* drop = new JobFileDrop(this);
    installEventFilter(drop);
    connect(drop, &JobFileDrop::jobDropped, this, &MainWindow::openJobFile);
    connect(drop, &JobFileDrop::partsListDropped, this, &MainWindow::importPartsListFile);
    new CommandKeyPriority(this);
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::layOutForm(QWidget* form) {
    const int gap = pixels(90);
    auto* columns = new QHBoxLayout(form);
    columns->setContentsMargins(2 * gap, 2 * gap, 2 * gap, 2 * gap);
    columns->setSpacing(pixels(450));
    leftColumn_ = editor_->buildLayout();
    rightColumn_ = results_->buildLayout(run_->optimiseButton());
    leftColumn_->addWidget(production_, 1);
    for (QBoxLayout* column : {leftColumn_, rightColumn_}) column->addSpacing(0);
    // What the window grows by in width goes to both columns: a quarter of it to the job editor's,
    // whose header boxes take it, until that column is half as wide again as designed; the result
    // grid's room takes the rest.
    auto* left = new QWidget(form);
    leftColumn_->setContentsMargins(0, 0, 0, 0);
    left->setLayout(leftColumn_);
    columns->addWidget(left, 1);
    columns->addLayout(rightColumn_, 3);

    // Tab visits the header, the entry line, the list buttons, Optimise, then the two grids.
    QList<QWidget*> order = editor_->tabOrder();
    order << run_->optimiseButton() << editor_->listGrid() << results_->resultGrid();
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// Every command of the menus and the toolbar is connected here; a new command of the main window
// gets its line here and its action in MainMenus.
void MainWindow::connectCommands() {
    const MainCommands& commands = menus_->commands();
    connect(commands.newJob, &QAction::triggered, this, &MainWindow::newJob);
    connect(commands.openJob, &QAction::triggered, this, &MainWindow::openJob);
    connect(commands.saveJob, &QAction::triggered, this, &MainWindow::saveJob);
    connect(commands.saveJobAs, &QAction::triggered, this, &MainWindow::saveJobAs);
    connect(commands.exit, &QAction::triggered, this, &MainWindow::close);
    connect(commands.parameters, &QAction::triggered, this, &MainWindow::editParameters);
    connect(commands.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(commands.print, &QAction::triggered, this, [this] { reportCommands().print(); });
    connect(commands.exportPdf, &QAction::triggered, this,
            [this] { reportCommands().exportPdf(); });
    connect(commands.exportText, &QAction::triggered, this,
            [this] { reportCommands().exportText(); });
    connect(commands.exportSpreadsheet, &QAction::triggered, this,
            [this] { reportCommands().exportSpreadsheet(); });
    connect(commands.showDiagram, &QAction::triggered, diagram_, &DiagramView::showWindow);
    connect(commands.printDiagram, &QAction::triggered, diagram_, &DiagramView::print);
    connect(commands.exportDiagramPdf, &QAction::triggered, diagram_,
            [this] { diagram_->exportFile(DiagramFileFormat::Pdf); });
    connect(commands.exportDiagramSvg, &QAction::triggered, diagram_,
            [this] { diagram_->exportFile(DiagramFileFormat::Svg); });
    diagram_->addCommands(
        {commands.printDiagram, commands.exportDiagramPdf, commands.exportDiagramSvg});
    run_->attachMenuCommand(commands.optimise);
    QUndoStack* steps = history_->stack();
    connect(commands.undo, &QAction::triggered, steps, &QUndoStack::undo);
    connect(commands.redo, &QAction::triggered, steps, &QUndoStack::redo);
    connect(steps, &QUndoStack::canUndoChanged, commands.undo, &QAction::setEnabled);
    connect(steps, &QUndoStack::canRedoChanged, commands.redo, &QAction::setEnabled);
    // Undoing a header box's typing shows the job again through the job editor, whose empty
    // cutting list would leave a production job without its Optimise command.
    connect(steps, &QUndoStack::indexChanged, this, [this] {
        if (state_.production) enableProductionRun();
    });
    commands.undo->setEnabled(false);
    commands.redo->setEnabled(false);
    history_->takeUndoKeys(editor_->tabOrder());
    editor_->listGrid()->addAction(commands.pasteList);
    production_->partsTable()->addAction(commands.pasteList);
    connect(commands.pasteList, &QAction::triggered, this, [this] {
        if (state_.production)
            production_->pasteParts();
        else
            listTransfer().pasteList();
    });
    connect(commands.importList, &QAction::triggered, this,
            [this] { listTransfer().importList(); });
    connect(commands.exportList, &QAction::triggered, this,
            [this] { listTransfer().exportList(); });
    connect(commands.importPartsList, &QAction::triggered, this,
            [this] { importPartsList(ColumnQuestion::WhenUnknown); });
    connect(commands.importPartsListWithColumns, &QAction::triggered, this,
            [this] { importPartsList(ColumnQuestion::Always); });
    connect(recentJobs_, &RecentJobsMenu::jobChosen, this, &MainWindow::openJobFile);
    connect(menus_, &MainMenus::languageChosen, this, &MainWindow::switchLanguage);

    connect(run_, &RunController::resultAvailable, menus_, &MainMenus::enableResultCommands);
    connect(run_, &RunController::resultAvailable, diagram_, &DiagramView::followResult);
    connect(run_, &RunController::methodSwitched, this,
            [this](const MethodChoice& choice) { saveMethodChoice(context_.settings, choice); });
    connect(run_, &RunController::resultAvailable, sawOutputs_, &SawOutputCommands::enable);
    connect(run_, &RunController::resultAvailable, stock_, &StockCommands::followResult);
    connect(editor_, &JobEditor::headerChanged, diagram_, &DiagramView::refresh);
    connect(editor_, &JobEditor::rowsPresent, run_, &RunController::setOptimiseEnabled);
    connect(editor_, &JobEditor::listChanged, this, &MainWindow::listChanged);
    connect(editor_, &JobEditor::headerChanged, this, [this] {
        state_.changed = true;
        // A production job's outputs name the job as its header boxes do now.
        if (state_.production) state_.production = productionJob();
    });
    connect(production_, &ProductionJobView::partsEdited, this, &MainWindow::productionEdited);
    connect(production_, &ProductionJobView::materialsEdited, this, &MainWindow::productionEdited);
    connect(production_, &ProductionJobView::materialChosen, this, &MainWindow::showMaterialPlan);
    connect(production_, &ProductionJobView::storeMaterialChosen, this,
            &MainWindow::takeStoreMaterial);
    connect(run_, &RunController::productionPlanned, this, &MainWindow::showProductionPlan);
    connect(run_, &RunController::productionProgressed, production_,
            &ProductionJobView::showProgress);
    connect(run_, &RunController::resultAvailable, production_, [this](bool present) {
        if (!present) production_->clearPlan();
    });
}

// ---- Start-up ----

void MainWindow::startUp(const QString& jobFile) {
    writeDefaultSettings();
    readSettings();
    loadTexts();
    editor_->setUpColumns();
    results_->setUpColumns();

    newJob();
    if (firstStart_) chooseFirstLanguage();
    playOpeningAnimation();
    if (documentationPending_) openDocumentationOnce();
    if (!jobFile.isEmpty()) openJobFile(jobFile);
}

void MainWindow::writeDefaultSettings() {
    firstStart_ = marlo::writeDefaultSettings(context_.settings);
}

void MainWindow::readSettings() {
    const ProgramSettings loaded = marlo::readSettings(context_.settings);
    state_.parameters = loaded.parameters;
    state_.methodChoice = loaded.methodChoice;
    state_.material = readSetting(context_.settings, settings::kMaterial);
    results_->showParameters(state_.parameters, state_.material);
    catalogue_.setLanguage(loaded.language);
    menus_->showLanguageTicks(catalogue_.language());
    documentationPending_ = loaded.documentationMarker == settings::kDocumentationPending;
}

void MainWindow::openDocumentationOnce() {
    offerDocumentation(context_.shell, messages_, documentationLink(catalogue_.language()));
    saveSetting(context_.settings, settings::kDocumentation, settings::kDocumentationOpened);
    documentationPending_ = false;
    loadTexts();
    resetScreen();
    clearResult();
}

void MainWindow::loadTexts() {
    qtTranslation_.use(catalogue_.language());
    editor_->loadTexts();
    results_->loadTexts();
    run_->loadTexts();
    menus_->loadTexts();
    diagram_->loadTexts();
    sawOutputs_->loadTexts();
    stock_->loadTexts();
    partsList_->loadTexts();
    production_->loadTexts();
}

// At the designed size the shorter column ends in empty room, as it always has; what the window
// grows by in height goes to the two grids. Measured with the texts in place.
void MainWindow::padShorterColumn() {
    const auto end = [](QBoxLayout* column) {
        return column->itemAt(column->count() - 1)->spacerItem();
    };
    for (QBoxLayout* column : {leftColumn_, rightColumn_}) {
        end(column)->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        column->invalidate();
    }
    const int height =
        std::max(leftColumn_->sizeHint().height(), rightColumn_->sizeHint().height());
    for (QBoxLayout* column : {leftColumn_, rightColumn_}) {
        // The room may shrink when a line of the column grows (a result's texts), never grow.
        end(column)->changeSize(0, height - column->sizeHint().height(), QSizePolicy::Fixed,
                                QSizePolicy::Maximum);
        column->invalidate();
    }
    leftColumn_->parentWidget()->setMaximumWidth(leftColumn_->sizeHint().width() * 3 / 2);
    centralWidget()->setMinimumSize(centralWidget()->sizeHint());
}

void MainWindow::playOpeningAnimation() {
    if (!designedSize_.isValid()) {
        padShorterColumn();
        designedSize_ = sizeHint();
    }
    growIntoView(*this, designedSize_);
    // The window takes the size and place it had when it was last closed.
    const std::string placement = readSetting(context_.settings, settings::kWindowGeometry);
    if (!placement.empty())
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(placement)));
    activateWindow();
    editor_->focusFirstBox();
}

// ---- The job on screen and its result ----

void MainWindow::resetScreen() {
    // The job on screen is replaced: a run of it has no use any more.
    if (run_->isRunning()) run_->stop();
    editor_->clear();
    if (state_.production) {
        showProductionView(false);
        // The commands that wrote its plan's outputs have nothing to write any more.
        clearResult();
    }
    history_->restart();
    results_->clear();
    state_.fileName.clear();
    setWindowTitle(messages_.text(core_text::kNewJobTitle));
    state_.changed = false;
    state_.resultPresent = false;
    diagram_->followResult(false);
    if (isVisible()) editor_->focusFirstBox();
}

void MainWindow::clearResult() {
    run_->clearResult();
}

void MainWindow::disableResultCommands() {
    menus_->enableResultCommands(false);
}

void MainWindow::listChanged() {
    state_.changed = true;
    // A result, finished or still being computed, belongs to the list as it was.
    if (run_->isRunning())
        run_->stop();
    else if (state_.resultPresent || state_.productionPlan)
        clearResult();
}

bool MainWindow::isRunning() const {
    return run_->isRunning();
}

Job MainWindow::job() const {
    return editor_->job();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Close and the window frame's close button alike.
    if (!confirmDiscardChanges()) {
        event->ignore();
        return;
    }
    // Closing ends a run quietly: nobody is left to look at its result.
    run_->endQuietly();
    if (isVisible())
        saveSetting(context_.settings, settings::kWindowGeometry,
                    saveGeometry().toBase64().toStdString());
    event->accept();
}

ListTransfer MainWindow::listTransfer() {
    return ListTransfer(this, context_.dialogs, messages_, state_, *editor_);
}

ReportCommands MainWindow::reportCommands() {
    const bool planned = state_.production && state_.productionPlan;
    return ReportCommands(
        this, context_, catalogue_,
        {job(), state_.result, state_.fileName, planned ? &*state_.production : nullptr,
         planned ? &*state_.productionPlan : nullptr});
}

// ---- Parameters, languages and About ----

void MainWindow::editParameters() {
    ParametersDialog dialog(catalogue_, context_.settings, context_.dialogs, state_.parameters,
                            stockSession_.materialNames(), state_.material, this);
    if (dialog.exec() != QDialog::Accepted) return;
    state_.parameters = dialog.parameters();
    state_.methodChoice = dialog.methodChoice();
    state_.material = dialog.material();
    results_->showParameters(state_.parameters, state_.material);
    if (state_.production) production_->showParameters(state_.parameters);
    // A result, finished or still being computed, belongs to the parameters as they were.
    if (run_->isRunning()) {
        run_->stop();
    } else if (state_.resultPresent || state_.productionPlan) {
        clearResult();
        disableResultCommands();
    }
}

void MainWindow::switchLanguage(Language chosen) {
    if (!confirmDiscardChanges()) {
        // The click has moved the tick; it goes back to the current language.
        menus_->showLanguageTicks(catalogue_.language());
        return;
    }
    catalogue_.setLanguage(chosen);
    menus_->showLanguageTicks(chosen);
    saveSetting(context_.settings, settings::kLanguage, settingsName(chosen));
    loadTexts();
    resetScreen();
    disableResultCommands();
    clearResult();
}

void MainWindow::chooseFirstLanguage() {
    // The main window is not shown yet: the form stands alone on the screen.
    LanguageDialog form(context_.settings);
    if (form.exec() == QDialog::Accepted) {
        catalogue_.setLanguage(form.chosen());
        menus_->showLanguageTicks(catalogue_.language());
    }
    loadTexts();
    resetScreen();
    clearResult();
}

void MainWindow::showAbout() {
    AboutDialog dialog(context_.shell, messages_, documentationLink(catalogue_.language()), this);
    dialog.exec();
}

}  // namespace marlo
