#include "ui/production/ProductionJobView.h"

#include <QVBoxLayout>

#include "ui/common/Twips.h"
#include "ui/production/ProductionMaterialsGrid.h"
#include "ui/production/ProductionPartsGrid.h"

namespace marlo {

namespace {

constexpr int kViewWidthTwips = 9600;

}  // namespace

ProductionJobView::ProductionJobView(const StringCatalogue& catalogue, WindowMessages& messages,
                                     QUndoStack& steps, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("ProductionJob"));
    partsGrid_ = new ProductionPartsGrid(catalogue, messages, steps, this);
    materials_ = new ProductionMaterialsGrid(catalogue, messages, steps, this);

    // Room for the six columns of a part and the ten of a material without scrolling; the two
    // more of each that a job with angled ends shows may need the grids' scroll bars.
    setMinimumWidth(pixels(kViewWidthTwips));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(partsGrid_, 3);
    column->addWidget(materials_, 2);

    connect(partsGrid_, &ProductionPartsGrid::partsEdited, this, [this] {
        materials_->showParts(partsGrid_->parts());
        emit partsEdited();
    });
    connect(materials_, &ProductionMaterialsGrid::materialsEdited, this,
            &ProductionJobView::materialsEdited);
    connect(materials_, &ProductionMaterialsGrid::materialChosen, this,
            &ProductionJobView::materialChosen);
    connect(materials_, &ProductionMaterialsGrid::storeMaterialChosen, this,
            &ProductionJobView::storeMaterialChosen);
}

void ProductionJobView::loadTexts() {
    partsGrid_->loadTexts();
    materials_->loadTexts();
}

void ProductionJobView::showJob(const ProductionJob& job, StoreMaterials store,
                                const JobParameters& parameters) {
    partsGrid_->showParts(job.parts);
    materials_->showJob(job, std::move(store), parameters);
}

void ProductionJobView::showStore(StoreMaterials store) {
    materials_->showStore(std::move(store));
}

void ProductionJobView::showParameters(const JobParameters& parameters) {
    materials_->showParameters(parameters);
}

const std::vector<PartRow>& ProductionJobView::parts() const {
    return partsGrid_->parts();
}

const std::vector<JobMaterial>& ProductionJobView::materials() const {
    return materials_->materials();
}

QWidget* ProductionJobView::partsTable() const {
    return partsGrid_->table();
}

void ProductionJobView::pasteParts() {
    partsGrid_->paste();
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
