#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/ProductionJob.h"

namespace marlo {

// The parts of a production job as a table: Mark, Material, Length, Pieces, Order, Note, each
// cell edited in place. A length or pieces that is not a whole number within the bounds of a part
// is refused: `refuse` is told why and the cell keeps its value. A part's angles and the fields
// this program does not know are kept as they are.
class ProductionPartsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Mark, Material, Length, Pieces, Order, Note, ColumnCount };

    ProductionPartsModel(const StringCatalogue& catalogue,
                         std::function<void(const QString&)> refuse, QObject* parent);

    // Shows these parts in place of the ones shown before.
    void showParts(std::vector<PartRow> parts);
    const std::vector<PartRow>& parts() const { return parts_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    // A cell has taken a new value.
    void partEdited();

  private:
    // The number of a length or pieces cell, or nothing after telling `refuse_` why.
    std::optional<int32_t> wholeNumber(const QString& text, int32_t least, int32_t most,
                                       int message) const;

    const StringCatalogue& catalogue_;
    std::function<void(const QString&)> refuse_;
    std::vector<PartRow> parts_;
};

}  // namespace marlo
