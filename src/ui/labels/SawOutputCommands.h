#pragma once

#include <QObject>
#include <functional>

#include "i18n/StringCatalogue.h"
#include "labels/PagedDocument.h"
#include "labels/SawList.h"
#include "model/Job.h"
#include "settings/SettingsStore.h"
#include "ui/common/Dialogs.h"
#include "ui/common/JobState.h"
#include "ui/common/WindowMessages.h"

class QAction;
class QMenu;
class QWidget;

namespace marlo {

// The File menu's commands for the saw: Print labels and Export labels as PDF (through the
// label dialog, whose layout and start position the settings remember), Print saw list, and
// Export saw list as PDF or CSV. They work on the shown result, in cutting order, and are
// enabled while there is one. A file that cannot be written ends the command with a message.
// With a planned production job they write its outputs, every material's, and Export parts
// check list writes the check list of its parts.
class SawOutputCommands : public QObject {
  public:
    SawOutputCommands(QWidget* window, QMenu* fileMenu, const JobState& state,
                      std::function<JobHeader()> header, const StringCatalogue& catalogue,
                      Dialogs& dialogs, WindowMessages& messages, SettingsStore& settings);

    void loadTexts();
    void enable(bool enabled);

    void printLabels();
    void exportLabels();
    void printSawList();
    void exportSawSheet();
    void exportSawListCsv();
    // The parts check list of a planned production job, as CSV or PDF by the file's type.
    void exportPartsCheckList();

  private:
    // A production job with its plan is shown: the outputs are its own, every material's.
    bool planned() const;
    SawList currentSawList() const;
    PagedDocument currentSawSheet() const;
    // The labels of the result as the label dialog lays them out; nothing when cancelled.
    std::optional<PagedDocument> chooseLabels();
    // The save dialog proposes the job's name with `ending` ("-saw.pdf"), so that each output
    // has a name of its own beside the printout's.
    std::optional<QString> savePath(int filterOffset, const QString& ending);
    // Without a printer on the machine, a message points to the PDF export instead.
    bool printerInstalled(int noPrinterMessage);
    void print(const PagedDocument& document, int titleOffset);

    QWidget* window_;
    const JobState& state_;
    std::function<JobHeader()> header_;
    const StringCatalogue& catalogue_;
    Dialogs& dialogs_;
    WindowMessages& messages_;
    SettingsStore& settings_;
    QAction* printLabels_;
    QAction* exportLabels_;
    QAction* printSawList_;
    QAction* exportSawSheet_;
    QAction* exportSawListCsv_;
    QAction* exportPartsCheckList_;
};

}  // namespace marlo
