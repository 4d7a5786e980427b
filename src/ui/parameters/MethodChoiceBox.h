#pragma once

#include <QGroupBox>

#include "i18n/StringCatalogue.h"
#include "model/MethodChoice.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace marlo {

// The frame of the parameters dialog that chooses the method of a run: the rod-by-rod search or
// the fewest-rods method, and the time limit of the latter in seconds.
class MethodChoiceBox : public QGroupBox {
    Q_OBJECT

  public:
    MethodChoiceBox(const StringCatalogue& catalogue, const MethodChoice& shown, QWidget* parent);

    // The time limit box, for the dialog's check of typed values.
    QLineEdit* timeLimitBox() const { return timeLimit_; }
    // Whether the time limit is a whole number of seconds from 1 to 32767.
    bool timeLimitAccepted() const;
    // The threads box, and whether it holds a number from 0 (all cores) to 256.
    QLineEdit* threadsBox() const { return threads_; }
    bool threadsAccepted() const;
    // The choice as shown; the time limit and threads only when accepted.
    MethodChoice chosen() const;
    // A run from stock always uses the exact method with its time limit: the choice between the
    // methods then shows it, disabled, and keeps the one made for runs on the single rod length.
    void setMethodFixed(bool fixed);

  signals:
    // The fewest-rods method has been chosen (true) or the search (false).
    void fewestRodsChosen(bool chosen);

  private:
    QRadioButton* search_;
    QRadioButton* fewestRods_;
    QLabel* timeLimitCaption_;
    QLineEdit* timeLimit_;
    QLabel* threadsCaption_;
    QLineEdit* threads_;
    MethodChoice shown_;
    bool fixed_ = false;
    bool searchBeforeFixed_ = false;  // the choice made before the method was fixed
};

}  // namespace marlo
