#include "ui/production/ProductionJobView.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "i18n/texts/WindowProductionTexts.h"
#include "ui/common/FormControls.h"
#include "ui/common/Twips.h"
#include "ui/production/ProductionMaterialsGrid.h"
#include "ui/production/ProductionPartsModel.h"

namespace marlo {

namespace wpt = window_production_text;

namespace {

constexpr int kViewWidthTwips = 9600;

}  // namespace

ProductionJobView::ProductionJobView(const StringCatalogue& catalogue, WindowMessages& messages,
                                     QWidget* parent)
    : QWidget(parent), catalogue_(catalogue) {
    setObjectName(QStringLiteral("ProductionJob"));
    partsModel_ = new ProductionPartsModel(
        catalogue, [&messages](const QString& why) { messages.showError(why); }, this);
    partsCaption_ = namedLabel(QStringLiteral("ProductionPartsCaption"), this);
    partsGrid_ = new QTableView(this);
    partsGrid_->setObjectName(QStringLiteral("ProductionParts"));
    partsGrid_->setModel(partsModel_);
    partsGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    partsGrid_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    partsGrid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    partsGrid_->horizontalHeader()->setStretchLastSection(true);
    materials_ = new ProductionMaterialsGrid(catalogue, this);

    // Room for the six columns of a part and the ten of a material without scrolling.
    setMinimumWidth(pixels(kViewWidthTwips));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(partsCaption_);
    column->addWidget(partsGrid_, 3);
    column->addWidget(materials_, 2);

    connect(partsModel_, &ProductionPartsModel::partEdited, this, [this] {
        materials_->showParts(partsModel_->parts());
        emit partsEdited();
    });
    connect(materials_, &ProductionMaterialsGrid::materialChosen, this,
            &ProductionJobView::materialChosen);
    connect(materials_, &ProductionMaterialsGrid::storeMaterialChosen, this,
            &ProductionJobView::storeMaterialChosen);
}

void ProductionJobView::loadTexts() {
    partsCaption_->setText(qText(catalogue_.text(wpt::kParts)));
    materials_->loadTexts();
    partsModel_->headerDataChanged(Qt::Horizontal, 0, ProductionPartsModel::ColumnCount - 1);
}

void ProductionJobView::showJob(const ProductionJob& job, StoreMaterials store,
                                const JobParameters& parameters) {
    partsModel_->showParts(job.parts);
    partsGrid_->resizeColumnsToContents();
    materials_->showJob(job, std::move(store), parameters);
}

void ProductionJobView::showParameters(const JobParameters& parameters) {
    materials_->showParameters(parameters);
}

const std::vector<PartRow>& ProductionJobView::parts() const {
    return partsModel_->parts();
}

void ProductionJobView::showPlan(const ProductionPlan& plan) {
    materials_->showPlan(plan);
}

void ProductionJobView::clearPlan() {
    materials_->clearPlan();
}

void ProductionJobView::showProgress(const std::vector<MaterialProgress>& progress) {
    materials_->showProgress(progress);
}

}  // namespace marlo
