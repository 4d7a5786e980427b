#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "i18n/StringCatalogue.h"
#include "model/ProductionJob.h"
#include "ui/common/Dialogs.h"
#include "ui/common/WindowMessages.h"

class QAction;
class QMenu;
class QWidget;

namespace marlo {

// File → Export parts list…: writes the shown production job's parts as the office's parts list,
// CSV or XLSX by the file's extension, through the core's writer that the command line's export
// uses, so that the parts-list import reads the file back into the same parts. Enabled while a
// production job is shown.
class PartsListCommand : public QObject {
  public:
    // `job`: the production job shown, with its header as its boxes hold it; nothing for a *.opt
    // job.
    PartsListCommand(QWidget* window, QMenu* fileMenu,
                     std::function<std::optional<ProductionJob>()> job, const QString& fileName,
                     const StringCatalogue& catalogue, Dialogs& dialogs, WindowMessages& messages);

    void loadTexts();
    void enable(bool enabled);
    void exportPartsList();

  private:
    QString proposedFileName() const;

    QWidget* window_;
    std::function<std::optional<ProductionJob>()> job_;
    const QString& fileName_;  // the job's file, empty for a new job
    const StringCatalogue& catalogue_;
    Dialogs& dialogs_;
    WindowMessages& messages_;
    QAction* command_;
};

}  // namespace marlo
