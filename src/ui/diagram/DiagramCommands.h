#pragma once

#include <QString>

#include "diagram/DiagramFileFormat.h"
#include "diagram/DiagramLayout.h"
#include "i18n/StringCatalogue.h"
#include "ui/common/Dialogs.h"
#include "ui/common/WindowMessages.h"

class QWidget;

namespace marlo {

// Print diagram and Export diagram as PDF or SVG: each draws the diagram it is given. Printing
// goes through the printer dialog of the printed report, on A4 portrait sheets; the exports ask
// for a file name with the save dialog, which proposes the job's name with "-diagram". A failure
// ends the command with a message naming the printer or the file.
class DiagramCommands {
  public:
    DiagramCommands(QWidget* parent, Dialogs& dialogs, WindowMessages& messages,
                    const StringCatalogue& catalogue, DiagramLayout diagram, QString jobFileName);

    void print();
    void exportFile(DiagramFileFormat format);

  private:
    QWidget* parent_;
    Dialogs& dialogs_;
    WindowMessages& messages_;
    const StringCatalogue& catalogue_;
    DiagramLayout diagram_;
    QString jobFileName_;  // empty for a new job
};

}  // namespace marlo
