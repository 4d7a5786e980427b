#include "ui/production/ProductionMaterialsGrid.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/ProductionMaterialTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/SawOutputTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "i18n/texts/WindowProductionTexts.h"
#include "optimiser/NumberFormats.h"
#include "production/MaterialParts.h"
#include "ui/common/FormControls.h"

namespace marlo {

namespace wpt = window_production_text;
namespace pmt = production_material_text;

namespace {

enum MaterialColumn {
    Name,
    Pieces,
    TotalLength,
    CutThickness,
    Trim,
    RodsFrom,
    Rods,
    Price,
    Waste,
    Bound,
    Count
};

// The mark of a material the store does not know: the colour of a cell asking for attention.
const QColor kUnknownMaterialColour(255, 214, 153);

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
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            &ProductionMaterialsGrid::chooseStoreMaterial);
}

void ProductionMaterialsGrid::loadTexts() {
    caption_->setText(qText(catalogue_.text(wpt::kMaterials)));
    const int captions[Count] = {
        job_text::kMaterial, job_text::kPieces, wpt::kTotalLength, core_text::kSliceThickness,
        saw_text::kTrim,     wpt::kRodsFrom,    wpt::kRods,        wpt::kPrice,
        wpt::kWaste,         wpt::kBound};
    QStringList texts;
    for (const int caption : captions) texts << qText(catalogue_.text(caption));
    grid_->setHorizontalHeaderLabels(texts);
    showMaterials();
}

void ProductionMaterialsGrid::showJob(const ProductionJob& job, StoreMaterials store,
                                      const JobParameters& parameters) {
    job_ = job;
    store_ = std::move(store);
    parameters_ = parameters;
    clearPlan();
}

void ProductionMaterialsGrid::showStore(StoreMaterials store) {
    store_ = std::move(store);
    showMaterials();
}

void ProductionMaterialsGrid::showParts(const std::vector<PartRow>& parts) {
    job_.parts = parts;
    showMaterials();
}

void ProductionMaterialsGrid::showParameters(const JobParameters& parameters) {
    parameters_ = parameters;
    showMaterials();
}

bool ProductionMaterialsGrid::unknownToStore(const std::string& name) const {
    return !store_.names.empty() &&
           std::find(store_.names.begin(), store_.names.end(), name) == store_.names.end();
}

// The store's material with its stock rows (listed in the tooltip), or the one rod length.
QString ProductionMaterialsGrid::rodsFrom(const std::string& name,
                                          const JobParameters& parameters) const {
    const auto stored = store_.stock.find(name);
    if (stored == store_.stock.end())
        return qText(
            fillIn(catalogue_.text(wpt::kOneRodLength), {std::to_string(parameters.rodLength)}));
    return qText(
        fillIn(catalogue_.text(wpt::kFromStore), {std::to_string(stored->second.items.size())}));
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
        // The settings the planner cuts the material with.
        const JobParameters parameters = materialParameters(findMaterial(job_, name), parameters_);
        QTableWidgetItem* nameCell = cell(qText(name), false);
        if (unknownToStore(name)) {
            nameCell->setBackground(QBrush(kUnknownMaterialColour));
            nameCell->setToolTip(qText(catalogue_.text(pmt::kUnknownMaterial)));
        }
        QTableWidgetItem* source = cell(rodsFrom(name, parameters), false);
        if (const auto stored = store_.stock.find(name); stored != store_.stock.end()) {
            QStringList rows;
            for (const StockItem& item : stored->second.items)
                rows << (item.kind == StockKind::Offcut
                             ? qText(item.id) + QStringLiteral(": %1 mm").arg(item.length)
                             : QStringLiteral("%1 mm × ").arg(item.length) +
                                   (item.quantity
                                        ? QString::number(*item.quantity)
                                        : qText(catalogue_.text(store_text::kUnlimited))));
            source->setToolTip(rows.join(QLatin1Char('\n')));
        }
        grid_->setItem(row, Name, nameCell);
        grid_->setItem(row, Pieces, cell(QString::number(pieces), true));
        grid_->setItem(row, TotalLength, cell(QString::number(length), true));
        grid_->setItem(row, CutThickness, cell(QString::number(parameters.cutThickness), true));
        grid_->setItem(row, Trim, cell(QString::number(parameters.trim), true));
        grid_->setItem(row, RodsFrom, source);
    }
}

void ProductionMaterialsGrid::showProgress(const std::vector<MaterialProgress>& progress) {
    for (int row = 0; row < static_cast<int>(progress.size()) && row < grid_->rowCount(); ++row) {
        const MaterialProgress& material = progress[static_cast<size_t>(row)];
        QString text;
        switch (material.stage) {
            case MaterialProgress::Stage::Waiting:
                text = qText(catalogue_.text(pmt::kWaiting));
                break;
            case MaterialProgress::Stage::Planning:
                text = material.rods == 0 ? qText(catalogue_.text(pmt::kPlanning))
                                          : qText(fillIn(catalogue_.text(pmt::kRodsSoFar),
                                                         {std::to_string(material.rods)}));
                break;
            case MaterialProgress::Stage::Planned:
                text = QString::number(material.rods);
                break;
            case MaterialProgress::Stage::NoPlan:
                text = qText(catalogue_.text(wpt::kNotPlanned));
                break;
        }
        grid_->setItem(row, Rods, cell(text, material.stage == MaterialProgress::Stage::Planned));
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

void ProductionMaterialsGrid::chooseStoreMaterial(int row) {
    const std::vector<std::string> names = materialsOfParts(job_);
    if (row < 0 || row >= static_cast<int>(names.size())) return;
    const std::string name = names[static_cast<size_t>(row)];
    if (!unknownToStore(name)) return;
    QStringList choices;
    for (const std::string& material : store_.names) choices << qText(material);
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("StoreMaterialChoice"));
    dialog.setWindowTitle(qText(catalogue_.text(pmt::kChooseTitle)));
    dialog.setLabelText(qText(fillIn(catalogue_.text(pmt::kChooseLabel), {name})));
    dialog.setComboBoxItems(choices);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string chosen = dialog.textValue().toStdString();
    if (std::find(store_.names.begin(), store_.names.end(), chosen) != store_.names.end())
        emit storeMaterialChosen(name, chosen);
}

}  // namespace marlo
