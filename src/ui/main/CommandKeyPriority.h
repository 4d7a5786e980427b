#pragma once

#include <QObject>

class QWidget;

namespace marlo {

// Lets the keys of a window's commands reach them while the cursor is in one of its text boxes.
// Desktops with Emacs-like text keys (X11: Ctrl+E end of line, Ctrl+D delete, Ctrl+K delete to
// the end) let a text box claim those keys before any shortcut, so a command with such a key
// would never run from a box. The usual editing keys (copy, cut, paste, undo, redo, select all)
// stay with the box.
class CommandKeyPriority : public QObject {
  public:
    // Watches the key presses of the whole program for the text boxes of `window`.
    explicit CommandKeyPriority(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};

}  // namespace marlo
