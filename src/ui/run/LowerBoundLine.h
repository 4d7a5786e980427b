#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "ui/common/WindowMessages.h"

class QGridLayout;
class QLabel;
class QWidget;

namespace marlo {

// The line of the evaluation frame below the totals: "Lower bound (rods)" and the bound, marked
// when the plan is proven to use the fewest rods, or as not proven when a fewest-rods run was
// stopped short of a proof. Of a plan from stock the line holds the lower bound of the price.
class LowerBoundLine : public QObject {
    Q_OBJECT

  public:
    // Adds the caption and the value as row `row` of the frame's grid.
    LowerBoundLine(QWidget* frame, QGridLayout* grid, int row, WindowMessages& messages);

    void loadTexts();
    // The bound of the shown plan. `proofSought`: the plan comes from the fewest-rods method,
    // whose result says whether it is proven; the search's cheap bound is only marked when it
    // equals the plan's rods.
    void show(std::optional<int> bound, bool optimal, bool proofSought);
    // Of a plan from stock: the proven lower bound of its price (`optimal`: proven cheapest).
    void showPrice(std::optional<double> bound, bool optimal);
    void clear();

  private:
    void showValue();

    WindowMessages& messages_;
    QLabel* caption_;
    QLabel* value_;
    std::optional<QString> bound_;  // as shown
    bool price_ = false;            // the bound is of the price
    bool optimal_ = false;
    bool proofSought_ = false;
};

}  // namespace marlo
