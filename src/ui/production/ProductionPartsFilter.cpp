#include "ui/production/ProductionPartsFilter.h"

#include "ui/production/ProductionPartsModel.h"

namespace marlo {

ProductionPartsFilter::ProductionPartsFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(ProductionPartsModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
}

void ProductionPartsFilter::filterBy(const QString& material, const QString& order) {
    material_ = material.trimmed();
    order_ = order.trimmed();
    invalidateRowsFilter();
}

bool ProductionPartsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QAbstractItemModel* parts = sourceModel();
    const auto holds = [&](int column, const QString& text) {
        return text.isEmpty() || parts->index(sourceRow, column, sourceParent)
                                     .data()
                                     .toString()
                                     .contains(text, Qt::CaseInsensitive);
    };
    return holds(ProductionPartsModel::Material, material_) &&
           holds(ProductionPartsModel::Order, order_);
}

}  // namespace marlo
