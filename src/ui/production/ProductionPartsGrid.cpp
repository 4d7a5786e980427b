#include "ui/production/ProductionPartsGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "i18n/texts/WindowProductionTexts.h"
#include "ui/common/FormControls.h"
#include "ui/production/ProductionPartsModel.h"

namespace marlo {

ProductionPartsGrid::ProductionPartsGrid(const StringCatalogue& catalogue,
                                         WindowMessages& messages, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue) {
    model_ = new ProductionPartsModel(
        catalogue, [&messages](const QString& why) { messages.showError(why); }, this);
    caption_ = namedLabel(QStringLiteral("ProductionPartsCaption"), this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("ProductionParts"));
    table_->setModel(model_);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(caption_);
    column->addWidget(table_, 1);

    connect(model_, &ProductionPartsModel::partEdited, this, &ProductionPartsGrid::partsEdited);
}

void ProductionPartsGrid::loadTexts() {
    caption_->setText(qText(catalogue_.text(window_production_text::kParts)));
    model_->headerDataChanged(Qt::Horizontal, 0, ProductionPartsModel::ColumnCount - 1);
}

void ProductionPartsGrid::showParts(const std::vector<PartRow>& parts) {
    model_->showParts(parts);
    table_->resizeColumnsToContents();
}

const std::vector<PartRow>& ProductionPartsGrid::parts() const {
    return model_->parts();
}

}  // namespace marlo
