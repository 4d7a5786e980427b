#include "ui/production/ProductionMaterialsGrid.h"

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
#include "ui/common/FormControls.h"

namespace marlo {

namespace wpt = window_production_text;

namespace {

enum MaterialColumn { Name, Pieces, TotalLength, RodsFrom, Rods, Price, Waste, Bound, Count };

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

}  // namespace

ProductionMaterialsGrid::ProductionMaterialsGrid(const StringCatalogue& catalogue, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue) {
    caption_ = namedLabel(QStringLiteral("ProductionMaterialsCaption"), this);
    grid_ = new QTableWidget(0, Count, this);
    grid_->setObjectName(QStringLiteral("ProductionMaterials"));
    setUpGrid(grid_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    jobPrice_ = namedLabel(QStringLiteral("ProductionPrice"), this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(caption_);
    column->addWidget(grid_, 1);
    column->addWidget(jobPrice_);

    connect(grid_, &QTableWidget::currentCellChanged, this,
            &ProductionMaterialsGrid::chooseMaterial);
}

void ProductionMaterialsGrid::loadTexts() {
    caption_->setText(qText(catalogue_.text(wpt::kMaterials)));
    const int captions[Count] = {job_text::kMaterial, job_text::kPieces, wpt::kTotalLength,
                                 wpt::kRodsFrom,      wpt::kRods,        wpt::kPrice,
                                 wpt::kWaste,         wpt::kBound};
    QStringList texts;
    for (const int caption : captions) texts << qText(catalogue_.text(caption));
    grid_->setHorizontalHeaderLabels(texts);
}

void ProductionMaterialsGrid::showJob(const ProductionJob& job,
                                      std::map<std::string, int> storeRows,
                                      const JobParameters& parameters) {
    job_ = job;
    storeRows_ = std::move(storeRows);
    parameters_ = parameters;
    clearPlan();
}

void ProductionMaterialsGrid::showParts(const std::vector<PartRow>& parts) {
    job_.parts = parts;
    showMaterials();
}

void ProductionMaterialsGrid::showParameters(const JobParameters& parameters) {
    parameters_ = parameters;
    showMaterials();
}

// One row per material in the order the parts first name them, as the plan has them.
void ProductionMaterialsGrid::showMaterials() {
    const std::vector<std::string> names = materialsOfParts(job_);
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(names.size()));
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
        grid_->setItem(row, Name, cell(qText(name), false));
        grid_->setItem(row, Pieces, cell(QString::number(pieces), true));
        grid_->setItem(row, TotalLength, cell(QString::number(length), true));
        grid_->setItem(row, RodsFrom, cell(source, false));
    }
}

void ProductionMaterialsGrid::showPlan(const ProductionPlan& plan) {
    showMaterials();
    int first = -1;
    for (int row = 0; row < static_cast<int>(plan.materials.size()); ++row) {
        if (row >= grid_->rowCount()) break;
        const MaterialPlan& material = plan.materials[static_cast<size_t>(row)];
        if (!material.hasPlan()) {
            grid_->setItem(row, Rods, cell(qText(catalogue_.text(wpt::kNotPlanned)), false));
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
        grid_->setItem(row, Rods, cell(rods, true));
        grid_->setItem(row, Price,
                       cell(result.price ? qText(formatPrice(*result.price)) : QString(), true));
        grid_->setItem(row, Waste, cell(QString::number(result.plan.summary.totalWaste), true));
        grid_->setItem(row, Bound, cell(bound + proven, true));
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
        const QSignalBlocker quiet(grid_);
        grid_->setCurrentCell(first, Name);
    }
    emit materialChosen(first);
}

void ProductionMaterialsGrid::clearPlan() {
    planShown_ = false;
    jobPrice_->clear();
    showMaterials();
}

void ProductionMaterialsGrid::chooseMaterial() {
    const int row = grid_->currentRow();
    if (planShown_ && row >= 0) emit materialChosen(row);
}

}  // namespace marlo
