#include "ui/stock/StockTable.h"

#include <QTableWidget>

#include "model/NumericText.h"
#include "ui/stock/StockCellEditing.h"
#include "ui/stock/StockCells.h"
#include "ui/stock/StockControls.h"

namespace marlo {

namespace {

constexpr int kStockRowColumns = 3;
// The offcut table's columns after identifier, length and price: its origin, shown only.
constexpr int kOffcutColumns = 7;
constexpr int kFirstOriginColumn = 3;

}  // namespace

StockTable::StockTable(QWidget* parent, const char* name, int columns, int lengthColumn,
                       int readOnlyFrom)
    : grid_(stockTable(parent, name, columns)),
      editing_(new StockCellEditing(grid_)),
      lengthColumn_(lengthColumn),
      readOnlyFrom_(readOnlyFrom) {}

QVariant StockTable::keyOf(int row) const {
    const QTableWidgetItem* first = grid_->item(row, 0);
    return first ? first->data(Qt::UserRole) : QVariant();
}

QStringList StockTable::cellsOf(int row) const {
    QStringList cells;
    for (int column = 0; column < grid_->columnCount(); ++column) {
        const QTableWidgetItem* cell = grid_->item(row, column);
        cells << (cell ? cell->text() : QString());
    }
    return cells;
}

void StockTable::addRow() {
    // The new row stays where it is while it is typed; the next filling sorts again.
    grid_->setSortingEnabled(false);
    const int row = grid_->rowCount();
    grid_->insertRow(row);
    for (int column = 0; column < grid_->columnCount(); ++column) {
        auto* cell = new NumberCell(QString());
        if (!isTyped(column)) cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        grid_->setItem(row, column, cell);
    }
    grid_->setCurrentCell(row, lengthColumn_);
    grid_->editItem(grid_->item(row, lengthColumn_));
}

void StockTable::filter(std::optional<int16_t> shortest) {
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const QTableWidgetItem* cell = grid_->item(row, lengthColumn_);
        const std::optional<int16_t> length =
            toInt16(cell ? cell->text().toStdString() : std::string());
        grid_->setRowHidden(row, shortest && keyOf(row).isValid() && length && *length < *shortest);
    }
}

void StockTable::beginFill() {
    grid_->setSortingEnabled(false);
    grid_->setRowCount(0);
}

void StockTable::endFill() {
    grid_->setSortingEnabled(true);
}

// ---- Stock rows ----

StockRowTable::StockRowTable(QWidget* parent)
    : StockTable(parent, "grdZasoby", kStockRowColumns, 0, kStockRowColumns) {}

void StockRowTable::fill(const MaterialStock& stock, const QString& unlimited) {
    beginFill();
    for (size_t i = 0; i < stock.list.items.size(); ++i) {
        const StockItem& item = stock.list.items[i];
        if (item.kind != StockKind::Rod) continue;
        const int row = grid_->rowCount();
        grid_->insertRow(row);
        auto* length = new NumberCell(QString::number(item.length));
        length->setData(Qt::UserRole, QVariant::fromValue<qint64>(stock.rowKeys[i]));
        grid_->setItem(row, 0, length);
        grid_->setItem(row, 1, new NumberCell(quantityText(item.quantity, unlimited)));
        grid_->setItem(row, 2, new NumberCell(priceText(item.price)));
    }
    // The word for unlimited may be wider than the column.
    grid_->resizeColumnToContents(1);
    endFill();
}

std::optional<StockItem> StockRowTable::itemOf(const QStringList& cells,
                                               const QString& unlimited) const {
    return stockRowOf(cells[0], cells[1], cells[2], unlimited);
}

std::optional<StockItem> StockRowTable::storedItem(const MaterialStock& stock,
                                                   const QVariant& key) const {
    for (size_t i = 0; i < stock.list.items.size(); ++i)
        if (stock.list.items[i].kind == StockKind::Rod && stock.rowKeys[i] == key.toLongLong())
            return stock.list.items[i];
    return std::nullopt;
}

StoreError StockRowTable::add(StockStore& store, const std::string& material,
                              const StockItem& item) const {
    return store.addStockRow(material, item);
}

StoreError StockRowTable::change(StockStore& store, const std::string& material,
                                 const QVariant& key, const StockItem& before,
                                 const StockItem& after) const {
    return store.changeStockRow(material, key.toLongLong(), before, after);
}

StoreError StockRowTable::remove(StockStore& store, const std::string& material,
                                 const QVariant& key) const {
    return store.deleteStockRow(material, key.toLongLong());
}

// ---- Offcuts ----

OffcutTable::OffcutTable(QWidget* parent)
    : StockTable(parent, "grdZvysky", kOffcutColumns, 1, kFirstOriginColumn) {}

void OffcutTable::fill(const MaterialStock& stock, const QString&) {
    beginFill();
    for (size_t i = 0; i < stock.list.items.size(); ++i) {
        const StockItem& item = stock.list.items[i];
        if (item.kind != StockKind::Offcut) continue;
        const OffcutOrigin& origin = stock.origins[i];
        const int row = grid_->rowCount();
        grid_->insertRow(row);
        const QStringList cells = {
            QString::fromStdString(item.id),
            QString::number(item.length),
            priceText(item.price),
            QString::fromStdString(origin.jobFile),
            QString::fromStdString(origin.customer),
            QString::fromStdString(origin.date),
            origin.pattern > 0 ? QString::number(origin.pattern) : QString()};
        for (int column = 0; column < kOffcutColumns; ++column) {
            auto* cell = new NumberCell(cells[column]);
            // The identifier names the offcut in the store; the origin is its history.
            if (column == 0 || !isTyped(column))
                cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(row, column, cell);
        }
        grid_->item(row, 0)->setData(Qt::UserRole, cells[0]);
    }
    endFill();
    // Job, customer and date show whole; the pattern column takes what is left.
    grid_->resizeColumnsToContents();
}

std::optional<StockItem> OffcutTable::itemOf(const QStringList& cells, const QString&) const {
    return offcutOf(cells[0], cells[1], cells[2]);
}

std::optional<StockItem> OffcutTable::storedItem(const MaterialStock& stock,
                                                 const QVariant& key) const {
    for (const StockItem& item : stock.list.items)
        if (item.kind == StockKind::Offcut && item.id == key.toString().toStdString()) return item;
    return std::nullopt;
}

StoreError OffcutTable::add(StockStore& store, const std::string& material,
                            const StockItem& item) const {
    return store.addOffcut(material, item);
}

StoreError OffcutTable::change(StockStore& store, const std::string& material, const QVariant&,
                               const StockItem& before, const StockItem& after) const {
    return store.changeOffcut(material, before, after);
}

StoreError OffcutTable::remove(StockStore& store, const std::string& material,
                               const QVariant& key) const {
    return store.deleteOffcut(material, key.toString().toStdString());
}

}  // namespace marlo
