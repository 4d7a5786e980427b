#include "ui/stock/StockCells.h"

#include "model/NumericText.h"
#include "optimiser/NumberFormats.h"
#include "settings/UserLocale.h"

namespace marlo {

namespace {

std::optional<double> numberOf(const QString& text) {
    return parseNumericText(QString(text).replace(',', '.').toStdString());
}

}  // namespace

QString quantityText(std::optional<int32_t> quantity, const QString& unlimited) {
    return quantity ? QString::number(*quantity) : unlimited;
}

QString priceText(std::optional<double> price) {
    return price ? QString::fromStdString(formatPrice(*price, localeDecimalSeparator()))
                 : QString();
}

std::optional<StockItem> stockRowOf(const QString& length, const QString& quantity,
                                    const QString& price, const QString& unlimited) {
    StockItem row{0, std::nullopt, std::nullopt, StockKind::Rod, {}};
    const std::optional<int16_t> rowLength = toInt16(length.trimmed().toStdString());
    if (!rowLength || *rowLength <= 0 || numberOf(length) != *rowLength) return std::nullopt;
    row.length = *rowLength;
    const QString count = quantity.trimmed();
    if (!count.isEmpty() && count.compare(unlimited, Qt::CaseInsensitive) != 0) {
        row.quantity = toInt32(count.toStdString());
        if (!row.quantity || *row.quantity < 0 || numberOf(count) != *row.quantity)
            return std::nullopt;
    }
    if (!price.trimmed().isEmpty()) {
        row.price = numberOf(price);
        if (!row.price || *row.price < 0) return std::nullopt;
    }
    return row;
}

std::optional<StockItem> offcutOf(const QString& id, const QString& length, const QString& price) {
    std::optional<StockItem> offcut = stockRowOf(length, QStringLiteral("1"), price, {});
    if (!offcut) return std::nullopt;
    offcut->kind = StockKind::Offcut;
    offcut->id = id.trimmed().toStdString();
    return offcut;
}

bool NumberCell::operator<(const QTableWidgetItem& other) const {
    const std::optional<double> mine = numberOf(text());
    const std::optional<double> theirs = numberOf(other.text());
    if (mine && theirs) return *mine < *theirs;
    if (mine || theirs) return mine.has_value();
    return text() < other.text();
}

}  // namespace marlo
