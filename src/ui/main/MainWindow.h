#pragma once

#include <QBoxLayout>
#include <QMainWindow>
#include <QSize>

#include "i18n/Language.h"
#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "model/ProductionJob.h"
#include "ui/common/JobState.h"
#include "ui/common/UiContext.h"
#include "ui/common/WindowMessages.h"
#include "ui/job/JobFileCommands.h"
#include "ui/main/QtTranslation.h"
#include "ui/main/ReportCommands.h"
#include "ui/production/PartsListImport.h"
#include "ui/stock/StockSession.h"

namespace marlo {

class DiagramView;
class SawOutputCommands;
class StockCommands;
class JobEditor;
class JobHistory;
class ListTransfer;
class PartsListCommand;
class ProductionJobView;
class MainMenus;
class RecentJobsMenu;
struct StoreMaterials;
class ResultView;
class RunController;

// The main window: composes the job editor (header and cutting list), the run controller (the
// Optimise button and the run), the result view (progress, result grid, totals) and the menus
// with the toolbar, and owns the state they share (JobState). It carries the commands that
// concern the whole job: start-up, New, Open, Save, Save As, parameters, languages, About and
// closing. The controls and their object names are listed in ControlNames.md.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(UiContext context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up: settings, texts, grids, an empty job, the documentation on the start that
    // has not shown it yet, and the opening animation that shows the window; then the job file
    // given on the command line, if any, is opened like Open does.
    void startUp(const QString& jobFile = {});
    // Open of a file chosen outside the open dialog (command line, a drop, recent jobs): the save
    // prompt, a new job, then the file with the checks and messages of Open.
    void openJobFile(const QString& path);

    // The result state goes back to "no result": totals, progress and result grid are emptied.
    void clearResult();
    // Disables the commands that need a result: print, export (text and spreadsheet).
    void disableResultCommands();
    // The screen goes back to an empty, unchanged, unnamed job.
    void resetScreen();

    Job job() const;
    const JobParameters& parameters() const { return state_.parameters; }
    const StringCatalogue& catalogue() const { return catalogue_; }
    bool isRunning() const;
    bool resultPresent() const { return state_.resultPresent; }
    bool jobChanged() const { return state_.changed; }
    // True when this start found the settings store empty and wrote the defaults.
    bool isFirstStart() const { return firstStart_; }
    // The job file the job is bound to; empty for a new job.
    const QString& jobFileName() const { return state_.fileName; }
    // The shown result; valid while resultPresent().
    const CuttingPlan& result() const { return state_.result.plan; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void layOutForm(QWidget* form);
    void padShorterColumn();
    void connectCommands();

    void writeDefaultSettings();
    void readSettings();
    void loadTexts();
    void playOpeningAnimation();
    void openDocumentationOnce();

    // Job files.
    void newJob();
    void openJob();
    void saveJob();
    void saveJobAs();
    // Asks whether to save a changed job. False when the job must stay: Cancel, or Yes and the
    // job did not get saved.
    bool confirmDiscardChanges();
    // Reads the file into the emptied window; on success the job is bound to it.
    void readJob(const QString& path);
    bool writeJob(const QString& path);
    std::optional<QString> chooseFileToSave();
    // A production job (*.mvjob): opened into the parts grid in place of the cutting list,
    // planned, its material's plan shown, saved with the header boxes' texts.
    void readProductionJob(const QString& path);
    // A parts list (CSV, TSV, XLSX, ODS, XLS) chosen in the open dialog or dropped on the
    // window, after the save prompt, as a new production job that is not saved yet.
    void importPartsList(ColumnQuestion question);
    void importPartsListFile(const QString& path);
    void readPartsList(const QString& path, ColumnQuestion question);
    void showProductionJob(ProductionJob job);
    // The job's materials with where their rods come from, as far as the store tells quietly.
    void showProductionMaterials();
    StoreMaterials storeMaterials();
    void showProductionView(bool shown);
    // A part or a material's setting has been edited.
    void productionEdited();
    // The job's parts of material `name` take the store's name for it.
    void takeStoreMaterial(const std::string& name, const std::string& storeName);
    // Optimise is offered while the production job has parts.
    void enableProductionRun();
    void showProductionPlan();
    void showMaterialPlan(int index);
    ProductionJob productionJob() const;
    void showFileNameInTitle();
    JobFileCommands jobFiles();
    // The reports of the shown result.
    ReportCommands reportCommands();
    // Paste, import and export of the cutting list.
    ListTransfer listTransfer();

    // Parameters, languages and About.
    void editParameters();
    void switchLanguage(Language chosen);
    void chooseFirstLanguage();
    void showAbout();

    // A changed list makes the shown or coming result stale.
    void listChanged();

    UiContext context_;
    StringCatalogue catalogue_;
    QtTranslation qtTranslation_;
    WindowMessages messages_;
    StockSession stockSession_;  // the stock store's link, for runs from stock and bookings
    JobState state_;
    bool documentationPending_ = false;  // the user documentation has not been opened yet
    bool firstStart_ = false;
    QSize designedSize_;
    QBoxLayout* leftColumn_ = nullptr;   // the job editor's column of the form
    QBoxLayout* rightColumn_ = nullptr;  // the result view's column

    JobEditor* editor_;
    JobHistory* history_;
    ResultView* results_;
    RunController* run_;
    MainMenus* menus_;
    DiagramView* diagram_;
    SawOutputCommands* sawOutputs_;
    StockCommands* stock_;
    PartsListCommand* partsList_;
    RecentJobsMenu* recentJobs_;
    ProductionJobView* production_;
    // The job editor's column and the form as a *.opt job has them.
    int leftColumnMaximumWidth_ = QWIDGETSIZE_MAX;
    QSize formMinimumSize_;
};

}  // namespace marlo
