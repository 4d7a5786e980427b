#include "ui/stock/StockControls.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace marlo {

QPushButton* stockButton(QWidget* parent, const char* name) {
    auto* made = new QPushButton(parent);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    return made;
}

QTableWidget* stockTable(QWidget* parent, const char* name, int columns) {
    auto* made = new QTableWidget(0, columns, parent);
    made->setObjectName(QLatin1String(name));
    made->setSelectionBehavior(QAbstractItemView::SelectRows);
    made->setSelectionMode(QAbstractItemView::SingleSelection);
    made->verticalHeader()->hide();
    made->verticalHeader()->setDefaultSectionSize(made->fontMetrics().height() + 8);
    made->horizontalHeader()->setDefaultSectionSize(
        made->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    made->horizontalHeader()->setStretchLastSection(true);
    // The store's order until the user sorts by a column.
    made->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    made->setSortingEnabled(true);
    return made;
}

}  // namespace marlo
