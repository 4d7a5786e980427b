#pragma once

#include <QSortFilterProxyModel>

namespace marlo {

// The parts grid's view of the parts: only those whose material and order hold the filter's
// texts (in any case; an empty text holds for every part), sorted by a column or in the job's
// order. Edits through it reach the part they show.
class ProductionPartsFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit ProductionPartsFilter(QObject* parent);

    void filterBy(const QString& material, const QString& order);

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    QString material_;
    QString order_;
};

}  // namespace marlo
