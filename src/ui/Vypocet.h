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
class Vypocet : public QMainWindow {
    Q_OBJECT

  public:
    explicit Vypocet(UiContext context, QWidget* parent = nullptr);
    ~Vypocet() override;

    // The start-up: settings, texts, grids, an empty job, the documentation on the start that
    // has not shown it yet, and the opening animation that shows the window.
    void Form_Load();

    // The result state goes back to "no result": totals, progress and result grid are emptied.
    void NulujOptimalizaciu();
    // Disables the commands that need a result: print, export (text and spreadsheet).
    void Nuluj_Menu();
    // The screen goes back to an empty, unchanged, unnamed job.
    void Nuluj_obrazovku();

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

    void Reg_write();
    void Reg_read();
    void Resource_load();
    void Animate2();
    void openDocumentationOnce();
    void showLanguageTicks();

    // Job files.
    void mnu_novy_Click();
    void mnu_otvorit_Click();
    void mnu_ulozit_Click();
    void mnu_ulozit_ako_Click();
    void mnu_exit_Click();
    // Asks whether to save a changed job. False when the job must stay: Cancel, or Yes and the
    // job did not get saved.
    bool SaveChangesPrompt();
    bool writeJob(const QString& path);
    void showJob(const Job& opened);
    JobFileCommands jobFiles();

    // Parameters, languages and About.
    void mnu_parametre_Click();
    void switchLanguage(Language chosen);
    void chooseFirstLanguage();
    void mnu_about_Click();

    // Cutting-list editing.
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Grid1_Click();
    void Grid1_DblClick();
    void Grid1_RowColChange();
    void openEditDialog(int row);
    void headerTextChanged();
    void listChanged();

    // The run.
    void Command6_Click();
    void runSearch(std::unique_ptr<PieceList> pieces);
    void stopRun();
    void restoreOptimiseButton();
    bool showPreparationMessages(const PreparedInput& prepared);
    void showProgress(double percent, const PlanSummary& totals, int16_t rodLength);
    void showResult();
    void resetResultDisplay();
    void Grid2_RowColChange();
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

    QIcon Image1_;  // the Optimise button when idle
    QIcon Image2_;  // the Optimise button while a run is going

    QLabel* Label1_;
    QLabel* Label2_;
    QLabel* Label3_;
    QLabel* Label5_;
    QLabel* Label6_;
    QLabel* Label7_;
    QLabel* Label12_;
    QLabel* Label13_;
    QLabel* Label14_;
    QLabel* Label15_;
    std::array<QLabel*, 10> Label4_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QLineEdit* Text3_;
    QLineEdit* Text4_;
    QLineEdit* Text5_;
    QToolButton* Command1_;
    QToolButton* Command2_;
    QToolButton* Command3_;
    QToolButton* Command6_;
    std::array<QToolButton*, 10> Command7_;
    QTableWidget* Grid1_;
    QTableWidget* Grid2_;
    QProgressBar* ProgressBar1_;
    QGroupBox* Frame1_;

    QMenu* mnu_subor_;
    QAction* mnu_novy_;
    QAction* mnu_otvorit_;
    QAction* mnu_ulozit_;
    QAction* mnu_ulozit_ako_;
    QAction* mnu_tlacit_;
    QMenu* mnu_export_;
    QAction* mnu_export_excel_;
    QAction* mnu_export_subor_;
    QAction* mnu_exit_;
    QMenu* mnu_nastavenia_;
    QMenu* mnu_jazyk_;
    QAction* mnu_czech_;
    QAction* mnu_german_;
    QAction* mnu_dutch_;
    QAction* mnu_english_;
    QAction* mnu_slovak_;
    QAction* mnu_parametre_;
    QAction* mnu_about_;
    QAction* mnu_optimalizuj_;
};

}  // namespace marlo
