#pragma once

#include "jobfile/ListText.h"
#include "ui/common/Dialogs.h"
#include "ui/common/JobState.h"
#include "ui/common/WindowMessages.h"

class QWidget;

namespace marlo {

class JobEditor;

// The cutting list as text: pasted from the clipboard (a spreadsheet's copy), imported from a CSV
// file and exported to one. Taken rows go to the end of the list, checked as typed rows are; the
// refused ones are named in one message. Made for each command by the main window.
class ListTransfer {
  public:
    ListTransfer(QWidget* window, Dialogs& dialogs, WindowMessages& messages, const JobState& state,
                 JobEditor& editor);

    void pasteList();
    void importList();
    void exportList();

  private:
    // Asks once about the dimensions above the rod length, appends what is taken and names what
    // is not.
    void takeRows(ListText text);
    void reportRefused(const std::vector<RefusedRow>& refused);
    FileRequest request() const;
    // How many rows the list can still take.
    std::size_t room() const;

    QWidget* window_;
    Dialogs& dialogs_;
    WindowMessages& messages_;
    const JobState& state_;
    JobEditor& editor_;
};

}  // namespace marlo
