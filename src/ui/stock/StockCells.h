#pragma once

#include <QString>
#include <QTableWidgetItem>
#include <optional>

#include "model/StockList.h"

namespace marlo {

// The cells of the Stock window's tables: numbers shown as the store keeps them, prices with the
// locale's decimal separator as every price the program shows, and read back as the user types
// them (a decimal comma is a decimal point).

QString quantityText(std::optional<int32_t> quantity, const QString& unlimited);
QString priceText(std::optional<double> price);

// A stock row (kind Rod) from its cells; an empty quantity, or the word for unlimited, is
// unlimited, an empty price none. Nothing when a cell holds no valid value.
std::optional<StockItem> stockRowOf(const QString& length, const QString& quantity,
                                    const QString& price, const QString& unlimited);
// An offcut of one piece from its cells; an empty identifier gets one from the store.
std::optional<StockItem> offcutOf(const QString& id, const QString& length, const QString& price);

// A cell that sorts numbers by value and puts them before words.
class NumberCell : public QTableWidgetItem {
  public:
    explicit NumberCell(const QString& text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem& other) const override;
};

}  // namespace marlo
