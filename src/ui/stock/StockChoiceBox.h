#pragma once

#include <QGroupBox>
#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace marlo {

// The frame of the parameters dialog that chooses what the rods are cut from: the single rod
// length of the parameters, unlimited, or a material of the stock store; and the trim taken off
// both ends of every rod.
class StockChoiceBox : public QGroupBox {
    Q_OBJECT

  public:
    // `materials`: the store's materials; the chosen one is offered even when the store does not
    // list it (the store is out of reach), so that the choice is not lost.
    StockChoiceBox(const StringCatalogue& catalogue, const std::vector<std::string>& materials,
                   const std::string& chosen, int16_t trim, QWidget* parent);

    // The chosen material; empty for the single rod length.
    std::string material() const;
    QLineEdit* trimBox() const { return trim_; }

  signals:
    // A material (true) or the single rod length (false) has been chosen.
    void materialChosen(bool chosen);

  private:
    QLabel* stockCaption_;
    QComboBox* stock_;
    QLabel* trimCaption_;
    QLineEdit* trim_;
};

}  // namespace marlo
