#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <string>

#include "model/StockList.h"
#include "stock/StockStore.h"

class QTableWidget;
class QWidget;

namespace marlo {

class StockCellEditing;

// One of the Stock window's two tables, the material's stock rows or its offcuts: which column
// holds the length, which cells are typed, how its rows are filled from the stock as the store
// gave it and go back to the store. Each row keeps the store's key of its stock row or offcut in
// its first cell; a row not yet stored has none.
class StockTable {
  public:
    virtual ~StockTable() = default;

    QTableWidget* grid() const { return grid_; }
    StockCellEditing& editing() const { return *editing_; }

    // Fills the table with the stock's rows of its kind; `unlimited` is the language's word.
    virtual void fill(const MaterialStock& stock, const QString& unlimited) = 0;
    // Appends an empty row and opens its length for typing.
    void addRow();
    // Hides the stored rows shorter than `shortest`; rows being added stay.
    void filter(std::optional<int16_t> shortest);

    QVariant keyOf(int row) const;
    QStringList cellsOf(int row) const;
    int lengthColumn() const { return lengthColumn_; }

    // What a row's cells say; nothing when a cell holds no valid value.
    virtual std::optional<StockItem> itemOf(const QStringList& cells,
                                            const QString& unlimited) const = 0;
    // The stored row of the key as the window read it from the store.
    virtual std::optional<StockItem> storedItem(const MaterialStock& stock,
                                                const QVariant& key) const = 0;
    virtual StoreError add(StockStore& store, const std::string& material,
                           const StockItem& item) const = 0;
    // The store refuses the change when another program changed the row meanwhile.
    virtual StoreError change(StockStore& store, const std::string& material, const QVariant& key,
                              const StockItem& before, const StockItem& after) const = 0;
    virtual StoreError remove(StockStore& store, const std::string& material,
                              const QVariant& key) const = 0;

  protected:
    // `readOnlyFrom`: the first column that is shown only (none: every column is typed).
    StockTable(QWidget* parent, const char* name, int columns, int lengthColumn, int readOnlyFrom);

    // Starts filling: no rows, no sorting while they come. `endFill` sorts again.
    void beginFill();
    void endFill();
    bool isTyped(int column) const { return column < readOnlyFrom_; }

    QTableWidget* grid_;

  private:
    StockCellEditing* editing_;
    const int lengthColumn_;
    const int readOnlyFrom_;
};

// The new rods of the material: length, quantity and price, keyed by the store's row key.
class StockRowTable final : public StockTable {
  public:
    explicit StockRowTable(QWidget* parent);

    void fill(const MaterialStock& stock, const QString& unlimited) override;
    std::optional<StockItem> itemOf(const QStringList& cells,
                                    const QString& unlimited) const override;
    std::optional<StockItem> storedItem(const MaterialStock& stock,
                                        const QVariant& key) const override;
    StoreError add(StockStore& store, const std::string& material,
                   const StockItem& item) const override;
    StoreError change(StockStore& store, const std::string& material, const QVariant& key,
                      const StockItem& before, const StockItem& after) const override;
    StoreError remove(StockStore& store, const std::string& material,
                      const QVariant& key) const override;
};

// The offcuts of the material: identifier, length and price, then where each came from (shown
// only), keyed by the identifier.
class OffcutTable final : public StockTable {
  public:
    explicit OffcutTable(QWidget* parent);

    void fill(const MaterialStock& stock, const QString& unlimited) override;
    std::optional<StockItem> itemOf(const QStringList& cells,
                                    const QString& unlimited) const override;
    std::optional<StockItem> storedItem(const MaterialStock& stock,
                                        const QVariant& key) const override;
    StoreError add(StockStore& store, const std::string& material,
                   const StockItem& item) const override;
    StoreError change(StockStore& store, const std::string& material, const QVariant& key,
                      const StockItem& before, const StockItem& after) const override;
    StoreError remove(StockStore& store, const std::string& material,
                      const QVariant& key) const override;
};

}  // namespace marlo
