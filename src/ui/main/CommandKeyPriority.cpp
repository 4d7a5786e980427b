#include "ui/main/CommandKeyPriority.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace marlo {

namespace {

bool isEditingKey(const QKeyEvent& key) {
    for (const QKeySequence::StandardKey editing :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
          QKeySequence::Redo, QKeySequence::SelectAll})
        if (key.matches(editing)) return true;
    return false;
}

}  // namespace

CommandKeyPriority::CommandKeyPriority(QWidget* window) : QObject(window), window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool CommandKeyPriority::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || box->window() != window_) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isEditingKey(key)) return false;
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* command : window_->findChildren<QAction*>()) {
        // Consuming the override unanswered lets the shortcut run instead of the box's key.
        if (command->isEnabled() && command->shortcutContext() == Qt::WindowShortcut &&
            command->shortcuts().contains(pressed))
            return true;
    }
    return false;
}

}  // namespace marlo
