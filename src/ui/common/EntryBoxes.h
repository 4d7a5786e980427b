#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QLineEdit;
class QWidget;

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

// Makes Enter (Return or the keypad's Enter) press a focused button, as Space does, in a dialog
// whose Enter otherwise belongs to its entry boxes. Owned by the button.
class EnterClicksButton : public QObject {
  public:
    static void install(QAbstractButton* button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

// A box of the parameters dialog for a whole number: right-aligned, of the dialog's box width,
// named `name`, holding `value`; it selects its text when it gets the focus and steps with the
// arrow keys.
QLineEdit* numberBox(const QString& name, int value, QWidget* parent);

}  // namespace marlo
