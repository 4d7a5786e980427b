#include "ui/job/JobHistory.h"

#include <QKeyEvent>
#include <QUndoCommand>
#include <QWidget>

#include "ui/job/JobEditor.h"

namespace marlo {

namespace {

// The steps of typing in one header box merge; list changes never do.
constexpr int kListChange = -1;
constexpr int kCustomerTyping = 1;
constexpr int kNameTyping = 2;
constexpr int kColourTyping = 3;

int headerBoxChanged(const JobHeader& before, const JobHeader& after) {
    if (before.customer != after.customer) return kCustomerTyping;
    if (before.name != after.name) return kNameTyping;
    return kColourTyping;
}

class JobStep : public QUndoCommand {
  public:
    JobStep(JobHistory& history, Job before, Job after, int mergeId)
        : history_(history), before_(std::move(before)), after_(std::move(after)), id_(mergeId) {}

    int id() const override { return id_; }
    bool mergeWith(const QUndoCommand* other) override {
        after_ = static_cast<const JobStep*>(other)->after_;
        return true;
    }
    void undo() override { history_.show(before_); }
    void redo() override {
        // The first redo is the push of a change already on screen.
        if (done_) history_.show(after_);
        done_ = true;
    }

  private:
    JobHistory& history_;
    Job before_;
    Job after_;
    int id_;
    bool done_ = false;
};

}  // namespace

JobHistory::JobHistory(JobEditor& editor, QObject* parent) : QObject(parent), editor_(editor) {
    connect(&editor_, &JobEditor::listChanged, this, [this] { record(kListChange); });
    connect(&editor_, &JobEditor::headerChanged, this,
            [this] { record(headerBoxChanged(shown_.header, editor_.header())); });
}

void JobHistory::restart() {
    stack_.clear();
    shown_ = editor_.job();
}

void JobHistory::record(int mergeId) {
    if (showing_) return;
    Job now = editor_.job();
    if (now == shown_) return;
    stack_.push(new JobStep(*this, shown_, now, mergeId));
    shown_ = std::move(now);
}

void JobHistory::show(const Job& job) {
    showing_ = true;
    editor_.showEdited(job);
    showing_ = false;
    shown_ = job;
}

void JobHistory::takeUndoKeys(const QList<QWidget*>& boxes) {
    for (QWidget* box : boxes) box->installEventFilter(this);
}

bool JobHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // A text box claims these keys for its own undo; left unclaimed, they reach the window's
        // Undo and Redo commands.
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace marlo
