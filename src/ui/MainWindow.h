#pragma once

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "i18n/Language.h"
#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/InputPreparation.h"
#include "ui/Dialogs.h"
#include "ui/JobFileCommands.h"
#include "ui/ReportCommands.h"
#include "ui/UiContext.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTableWidget;
class QToolButton;

namespace marlo {

class PieceList;

// The main window: the job (header texts and cutting list), the optimisation run and its result.
//
// Controls carry their names as object names. Control arrays are named by the array's name, an
// underscore and the index: the toolbar buttons Command7_0 .. Command7_9 and the totals labels
// Label4_0 .. Label4_9 (captions at even, values at odd indices).
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(UiContext context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up: settings, texts, grids, an empty job, the documentation on the start that
    // has not shown it yet, and the opening animation that shows the window.
    void startUp();

    // The result state goes back to "no result": totals, progress and result grid are emptied.
    void clearResult();
    // Disables the commands that need a result: print, export (text and spreadsheet).
    void disableResultCommands();
    // The screen goes back to an empty, unchanged, unnamed job.
    void resetScreen();

    Job job() const;
    const JobParameters& parameters() const { return parameters_; }
    const StringCatalogue& catalogue() const { return catalogue_; }
    bool isRunning() const { return running_; }
    bool resultPresent() const { return resultPresent_; }
    bool jobChanged() const { return jobChanged_; }
    // True when this start found the settings store empty and wrote the defaults.
    bool isFirstStart() const { return firstStart_; }
    // The job file the job is bound to; empty for a new job.
    const QString& jobFileName() const { return jobFileName_; }
    // The shown result; valid while resultPresent().
    const CuttingPlan& result() const { return result_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void layOutForm(QWidget* form, QWidget* listRoom, QWidget* resultRoom);
    void buildMenus();
    void buildToolbar();

    void writeDefaultSettings();
    void readSettings();
    void loadTexts();
    void playOpeningAnimation();
    void openDocumentationOnce();
    void showLanguageTicks();

    // Job files.
    void newJob();
    void openJob();
    void saveJob();
    void saveJobAs();
    void closeProgram();
    // Asks whether to save a changed job. False when the job must stay: Cancel, or Yes and the
    // job did not get saved.
    bool confirmDiscardChanges();
    bool writeJob(const QString& path);
    void showJob(const Job& opened);
    JobFileCommands jobFiles();

    // Parameters, languages and About.
    void editParameters();
    void switchLanguage(Language chosen);
    void chooseFirstLanguage();
    void showAbout();

    // Cutting-list editing.
    void updateAddButton();
    void addRowFromEntry();
    void deleteSelectedRows();
    void editSelectedRow();
    void updateEditButton();
    void editCurrentRow();
    void fitListGrid();
    void editRow(int row);
    void headerTextChanged();
    void listChanged();

    // The run.
    void optimiseOrStop();
    void runSearch(std::unique_ptr<PieceList> pieces);
    void stopRun();
    void restoreOptimiseButton();
    bool showPreparationMessages(const PreparedInput& prepared);
    void showProgress(double percent, const PlanSummary& totals, int16_t rodLength);
    void showResult();
    void resetResultDisplay();
    void fitResultGrid();
    void enableResultCommands(bool enabled);
    void setOptimiseEnabled(bool enabled);
    void setBusy(bool busy);

    // The reports of a shown result.
    ReportCommands reportCommands();

    // List grid rows are numbered as in the list: 1 is the first item, 0 the header.
    int listSelectionFirst() const;
    int listSelectionCount() const;
    void selectListRow(int row);
    void setListCell(int row, const CutItem& item);

    MessageAnswer ask(const QString& text);
    void notify(int offset);
    void showError(int offset);
    QString text(int offset) const;

    UiContext context_;
    StringCatalogue catalogue_;
    JobParameters parameters_;
    bool documentationPending_ = false;  // the user documentation has not been opened yet
    bool firstStart_ = false;

    CuttingList list_;
    QString jobFileName_;
    CuttingPlan result_;
    bool running_ = false;           // a run is going and has not been asked to stop
    bool searchInProgress_ = false;  // the search has not returned yet (also while it stops)
    bool resultPresent_ = false;
    bool jobChanged_ = false;
    bool busy_ = false;
    QSize designedSize_;

    QIcon optimiseIcon_;  // the Optimise button when idle
    QIcon stopIcon_;      // the Optimise button while a run is going

    QLabel* dimensionCaption_;
    QLabel* piecesCaption_;
    QLabel* progressText_;
    QLabel* jobNameCaption_;
    QLabel* colourCaption_;
    QLabel* customerCaption_;
    QLabel* cutThicknessCaption_;
    QLabel* rodLengthCaption_;
    QLabel* cutThicknessValue_;
    QLabel* rodLengthValue_;
    std::array<QLabel*, 10> totalsLabels_;
    QLineEdit* dimensionBox_;
    QLineEdit* piecesBox_;
    QLineEdit* jobNameBox_;
    QLineEdit* colourBox_;
    QLineEdit* customerBox_;
    QToolButton* addButton_;
    QToolButton* deleteButton_;
    QToolButton* editButton_;
    QToolButton* optimiseButton_;
    std::array<QToolButton*, 10> toolbarButtons_;
    QTableWidget* listGrid_;
    QTableWidget* resultGrid_;
    QProgressBar* progressBar_;
    QGroupBox* totalsFrame_;

    QMenu* fileMenu_;
    QAction* newAction_;
    QAction* openAction_;
    QAction* saveAction_;
    QAction* saveAsAction_;
    QAction* printAction_;
    QMenu* exportMenu_;
    QAction* excelAction_;
    QAction* textAction_;
    QAction* exitAction_;
    QMenu* settingsMenu_;
    QMenu* languageMenu_;
    QAction* czechAction_;
    QAction* germanAction_;
    QAction* dutchAction_;
    QAction* englishAction_;
    QAction* slovakAction_;
    QAction* parametersAction_;
    QAction* aboutAction_;
    QAction* optimiseAction_;
};

}  // namespace marlo
