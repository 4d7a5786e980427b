#pragma once

#include <QObject>
#include <functional>

#include "diagram/DiagramFileFormat.h"
#include "diagram/DiagramLayout.h"
#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "ui/common/Dialogs.h"
#include "ui/common/JobState.h"
#include "ui/common/WindowMessages.h"

class QAction;
class QWidget;

namespace marlo {

class DiagramWindow;

// The cutting diagram of the main window's result: its window, which follows the shown result
// (drawn when a result comes, emptied when it goes, redrawn when the job's header changes), and
// the commands that print and export it.
class DiagramView : public QObject {
    Q_OBJECT

  public:
    DiagramView(QWidget* mainWindow, const JobState& state, std::function<JobHeader()> header,
                const StringCatalogue& catalogue, Dialogs& dialogs, WindowMessages& messages);

    DiagramWindow* window() const { return window_; }
    // The commands shown on the diagram window's toolbar.
    void addCommands(const QList<QAction*>& commands);
    void loadTexts();

    void showWindow();
    // A result has come (true) or gone (false).
    void followResult(bool present);
    // The job's header has changed: a shown diagram takes it.
    void refresh();
    void print();
    void exportFile(DiagramFileFormat format);

  private:
    bool hasResult() const;
    DiagramLayout composeShownResult() const;

    QWidget* mainWindow_;
    const JobState& state_;
    std::function<JobHeader()> header_;
    const StringCatalogue& catalogue_;
    Dialogs& dialogs_;
    WindowMessages& messages_;
    DiagramWindow* window_;
};

}  // namespace marlo
