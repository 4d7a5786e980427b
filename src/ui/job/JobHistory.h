#pragma once

#include <QObject>
#include <QUndoStack>

#include "model/Job.h"

class QWidget;

namespace marlo {

class JobEditor;

// The undo history of the job on screen: every change of the cutting list (an added, deleted or
// edited row, a whole paste or import) is one step, and so is each run of typing in one header
// box. A step keeps the job before and after it; undoing or redoing shows that job again through
// the editor, which reports it as a change like any other (so a result of the job goes). New and
// Open start a fresh history.
class JobHistory : public QObject {
    Q_OBJECT

  public:
    explicit JobHistory(JobEditor& editor, QObject* parent);

    QUndoStack* stack() { return &stack_; }
    // The job on screen is the start of a new history.
    void restart();
    // Ctrl+Z and the redo keys in these text boxes undo the job's steps, not the box's typing.
    void takeUndoKeys(const QList<QWidget*>& boxes);
    // Shows a job of the history (on undo and redo).
    void show(const Job& job);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void record(int mergeId);

    JobEditor& editor_;
    QUndoStack stack_;
    Job shown_;  // the job as the last step left it
    bool showing_ = false;
};

}  // namespace marlo
