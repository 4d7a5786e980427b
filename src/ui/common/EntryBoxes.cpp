#include "ui/common/EntryBoxes.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "ui/common/NumericEntry.h"
#include "ui/common/Twips.h"

namespace marlo {

void SelectAllOnFocus::install(QLineEdit* box) {
    box->installEventFilter(new SelectAllOnFocus(box));
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // A mouse press that gives the focus places the cursor after the focus event, so the
        // selection is made once the press has been handled.
        QPointer<QLineEdit> box = static_cast<QLineEdit*>(watched);
        box->selectAll();
        QTimer::singleShot(0, box, [box] {
            if (box && box->hasFocus()) box->selectAll();
        });
    }
    return false;
}

void ArrowKeysStepValue::install(QLineEdit* box) {
    box->installEventFilter(new ArrowKeysStepValue(box));
}

bool ArrowKeysStepValue::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    if (const auto stepped = steppedEntry(box->text().toStdString(), key == Qt::Key_Up ? 1 : -1))
        box->setText(QString::fromStdString(*stepped));
    return true;
}

void EnterClicksButton::install(QAbstractButton* button) {
    button->installEventFilter(new EnterClicksButton(button));
}

bool EnterClicksButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QAbstractButton*>(watched)->click();
    return true;
}

QLineEdit* numberBox(const QString& name, int value, QWidget* parent) {
    constexpr int kBoxTwips = 1000;
    auto* box = new QLineEdit(QString::number(value), parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(pixels(kBoxTwips));
    SelectAllOnFocus::install(box);
    ArrowKeysStepValue::install(box);
    return box;
}

}  // namespace marlo
