#include "ui/production/ProductionJobView.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/WindowProductionTexts.h"
#include "optimiser/NumberFormats.h"
#include "production/MaterialParts.h"
#include "stock/StoreMessages.h"
#include "ui/common/FormControls.h"
#include "ui/common/Twips.h"
#include "ui/production/ProductionPartsGrid.h"

namespace marlo {

namespace wpt = window_production_text;

namespace {

constexpr int kViewWidthTwips = 9600;

enum MaterialColumn { Name, Pieces, TotalLength, RodsFrom, Rods, Price, Waste, Bound, Count };

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

}  // namespace

ProductionJobView::ProductionJobView(const StringCatalogue& catalogue, WindowMessages& messages,
                                     QUndoStack& steps, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue) {
    setObjectName(QStringLiteral("ProductionJob"));
    partsGrid_ = new ProductionPartsGrid(catalogue, messages, steps, this);
    materialsCaption_ = namedLabel(QStringLiteral("ProductionMaterialsCaption"), this);
    materialsGrid_ = new QTableWidget(0, Count, this);
    materialsGrid_->setObjectName(QStringLiteral("ProductionMaterials"));
    setUpGrid(materialsGrid_);
    materialsGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    materialsGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    materialsGrid_->horizontalHeader()->setStretchLastSection(true);
    jobPrice_ = namedLabel(QStringLiteral("ProductionPrice"), this);

    // Room for the six columns of a part and the eight of a material without scrolling.
    setMinimumWidth(pixels(kViewWidthTwips));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(partsGrid_, 3);
    column->addWidget(materialsCaption_);
    column->addWidget(materialsGrid_, 2);
    column->addWidget(jobPrice_);

    connect(partsGrid_, &ProductionPartsGrid::partsEdited, this, [this] {
        job_.parts = partsGrid_->parts();
        showMaterials();
        emit partsEdited();
    });
    connect(materialsGrid_, &QTableWidget::currentCellChanged, this,
            &ProductionJobView::chooseMaterial);
}

void ProductionJobView::loadTexts() {
    partsGrid_->loadTexts();
    materialsCaption_->setText(qText(catalogue_.text(wpt::kMaterials)));
    const int captions[Count] = {job_text::kMaterial, job_text::kPieces, wpt::kTotalLength,
                                 wpt::kRodsFrom,      wpt::kRods,        wpt::kPrice,
                                 wpt::kWaste,         wpt::kBound};
    QStringList texts;
    for (const int caption : captions) texts << qText(catalogue_.text(caption));
    materialsGrid_->setHorizontalHeaderLabels(texts);
}

void ProductionJobView::showJob(const ProductionJob& job, std::map<std::string, int> storeRows,
                                const JobParameters& parameters) {
    job_ = job;
    storeRows_ = std::move(storeRows);
    parameters_ = parameters;
    partsGrid_->showParts(job.parts);
    clearPlan();
}

void ProductionJobView::showParameters(const JobParameters& parameters) {
    parameters_ = parameters;
    showMaterials();
}

const std::vector<PartRow>& ProductionJobView::parts() const {
    return partsGrid_->parts();
}

QWidget* ProductionJobView::partsTable() const {
    return partsGrid_->table();
}

void ProductionJobView::pasteParts() {
    partsGrid_->paste();
}

// One row per material in the order the parts first name them, as the plan has them.
void ProductionJobView::showMaterials() {
    const std::vector<std::string> names = materialsOfParts(job_);
    materialsGrid_->clearContents();
    materialsGrid_->setRowCount(static_cast<int>(names.size()));
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        const std::string& name = names[static_cast<size_t>(row)];
        int64_t pieces = 0;
        int64_t length = 0;
        for (const Part& part : partsOf(job_, name)) {
            pieces += part.pieces;
            length += static_cast<int64_t>(part.pieces) * part.length;
        }
        const auto stored = storeRows_.find(name);
        const QString source =
            stored != storeRows_.end()
                ? qText(fillIn(catalogue_.text(wpt::kFromStore), {std::to_string(stored->second)}))
                : qText(fillIn(
                      catalogue_.text(wpt::kOneRodLength),
                      {std::to_string(
                          materialParameters(findMaterial(job_, name), parameters_).rodLength)}));
        materialsGrid_->setItem(row, Name, cell(qText(name), false));
        materialsGrid_->setItem(row, Pieces, cell(QString::number(pieces), true));
        materialsGrid_->setItem(row, TotalLength, cell(QString::number(length), true));
        materialsGrid_->setItem(row, RodsFrom, cell(source, false));
    }
}

void ProductionJobView::showPlan(const ProductionPlan& plan) {
    showMaterials();
    int first = -1;
    for (int row = 0; row < static_cast<int>(plan.materials.size()); ++row) {
        if (row >= materialsGrid_->rowCount()) break;
        const MaterialPlan& material = plan.materials[static_cast<size_t>(row)];
        if (!material.hasPlan()) {
            materialsGrid_->setItem(row, Rods,
                                    cell(qText(catalogue_.text(wpt::kNotPlanned)), false));
            continue;
        }
        if (first < 0) first = row;
        const PlanResult& result = material.result;
        const QString proven = result.optimal ? qText(catalogue_.text(wpt::kProven)) : QString();
        QString bound;
        if (result.price && result.priceLowerBound)
            bound = qText(formatPrice(*result.priceLowerBound));
        else if (result.lowerBound)
            bound = QString::number(*result.lowerBound);
        QString rods = QString::number(result.plan.summary.rodCount);
        if (material.status == MaterialPlan::Status::Stopped)
            rods += QStringLiteral(" (") + qText(catalogue_.text(wpt::kStopped)) + QLatin1Char(')');
        materialsGrid_->setItem(row, Rods, cell(rods, true));
        materialsGrid_->setItem(
            row, Price, cell(result.price ? qText(formatPrice(*result.price)) : QString(), true));
        materialsGrid_->setItem(row, Waste,
                                cell(QString::number(result.plan.summary.totalWaste), true));
        materialsGrid_->setItem(row, Bound, cell(bound + proven, true));
    }
    const QString proof = qText(
        catalogue_.text(plan.optimal() ? fewest_text::kProvenOptimal : fewest_text::kNotProven));
    QString summary =
        qText(catalogue_.text(plan_text::kAllMaterials)) + QStringLiteral(": ") + proof;
    if (const std::optional<double> price = plan.price())
        summary = qText(catalogue_.text(plan_text::kJobPrice)) + QStringLiteral(": ") +
                  qText(formatPrice(*price)) + QStringLiteral("    ") + summary;
    jobPrice_->setText(summary);
    planShown_ = true;
    if (first < 0) return;
    {
        const QSignalBlocker quiet(materialsGrid_);
        materialsGrid_->setCurrentCell(first, Name);
    }
    emit materialChosen(first);
}

void ProductionJobView::clearPlan() {
    planShown_ = false;
    jobPrice_->clear();
    showMaterials();
}

void ProductionJobView::chooseMaterial() {
    const int row = materialsGrid_->currentRow();
    if (planShown_ && row >= 0) emit materialChosen(row);
}

}  // namespace marlo
