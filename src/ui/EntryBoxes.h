#pragma once

#include <QObject>

class QLineEdit;

namespace marlo {

// Makes an entry box select its whole text whenever it gets the focus, by keyboard or mouse.
// Owned by the box.
class SelectAllOnFocus : public QObject {
  public:
    static void install(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

// Makes the Up and Down arrow keys step the number in an entry box (never below 1). Owned by the
// box.
class ArrowKeysStepValue : public QObject {
  public:
    static void install(QLineEdit* box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

}  // namespace marlo
