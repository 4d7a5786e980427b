#include "ui/production/ProductionMaterialsGrid.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/MitreWindowTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/ProductionMaterialTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/SawOutputTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "i18n/texts/WindowProductionTexts.h"
#include "optimiser/NumberFormats.h"
#include "production/MaterialParts.h"
#include "ui/common/FormControls.h"
#include "ui/production/CellNumbers.h"
#include "ui/production/MaterialsStep.h"

namespace marlo {

namespace wpt = window_production_text;
namespace pmt = production_material_text;
namespace mwt = mitre_window_text;

namespace {

enum MaterialColumn {
    Name,
    Pieces,
    TotalLength,
    CutThickness,
    Trim,
    ProfileHeight,  // these two are shown while a part has angled ends
    TurnOver,
    RodsFrom,
    Rods,
    Price,
    Waste,
    Bound,
    Count
};

// The colour of a cell asking for attention: a material the store does not know, a profile height
// that angled cuts need.
const QColor kAttentionColour(255, 214, 153);

bool isAngled(const Part& part) {
    return part.startAngle != 0.0 || part.endAngle != 0.0;
}

}  // namespace

ProductionMaterialsGrid::ProductionMaterialsGrid(const StringCatalogue& catalogue,
                                                 WindowMessages& messages, QUndoStack& steps,
                                                 QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), messages_(messages), steps_(steps) {
    caption_ = namedLabel(QStringLiteral("ProductionMaterialsCaption"), this);
    grid_ = new QTableWidget(0, Count, this);
    grid_->setObjectName(QStringLiteral("ProductionMaterials"));
    setUpGrid(grid_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only the cells of the angled cuts' settings are editable.
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
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
    connect(grid_, &QTableWidget::itemChanged, this, &ProductionMaterialsGrid::takeSetting);
}

void ProductionMaterialsGrid::loadTexts() {
    caption_->setText(qText(catalogue_.text(wpt::kMaterials)));
    const int captions[Count] = {
        job_text::kMaterial, job_text::kPieces,   wpt::kTotalLength, core_text::kSliceThickness,
        saw_text::kTrim,     mwt::kProfileHeight, mwt::kTurnOver,    wpt::kRodsFrom,
        wpt::kRods,          wpt::kPrice,         wpt::kWaste,       wpt::kBound};
    QStringList texts;
    for (const int caption : captions) texts << qText(catalogue_.text(caption));
    grid_->setHorizontalHeaderLabels(texts);
    grid_->horizontalHeaderItem(ProfileHeight)
        ->setToolTip(qText(catalogue_.text(mwt::kProfileHeightTip)));
    grid_->horizontalHeaderItem(TurnOver)->setToolTip(qText(catalogue_.text(mwt::kTurnOverTip)));
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

// One row per material in the order the parts first name them, as the plan has them. The cells
// are filled in place, without the table's own signals: they are not edits.
void ProductionMaterialsGrid::showMaterials() {
    const QSignalBlocker quiet(grid_);
    const std::vector<std::string> names = materialsOfParts(job_);
    const bool angledJob = std::any_of(job_.parts.begin(), job_.parts.end(),
                                       [](const PartRow& row) { return isAngled(row.part); });
    for (const int column : {ProfileHeight, TurnOver}) grid_->setColumnHidden(column, !angledJob);
    grid_->setRowCount(static_cast<int>(names.size()));
    for (int row = 0; row < static_cast<int>(names.size()); ++row) {
        const std::string& name = names[static_cast<size_t>(row)];
        const std::vector<Part> parts = partsOf(job_, name);
        int64_t pieces = 0;
        int64_t length = 0;
        for (const Part& part : parts) {
            pieces += part.pieces;
            length += static_cast<int64_t>(part.pieces) * part.length;
        }
        // The settings the planner cuts the material with.
        const JobMaterial* settings = findMaterial(job_, name);
        const JobParameters parameters = materialParameters(settings, parameters_);
        QTableWidgetItem* nameCell = showCell(row, Name, qText(name), false);
        if (unknownToStore(name)) {
            nameCell->setBackground(QBrush(kAttentionColour));
            nameCell->setToolTip(qText(catalogue_.text(pmt::kUnknownMaterial)));
        }
        showCell(row, Pieces, QString::number(pieces), true);
        showCell(row, TotalLength, QString::number(length), true);
        showCell(row, CutThickness, QString::number(parameters.cutThickness), true);
        showCell(row, Trim, QString::number(parameters.trim), true);
        showAngleSettings(row, settings, std::any_of(parts.begin(), parts.end(), isAngled));
        QTableWidgetItem* source = showCell(row, RodsFrom, rodsFrom(name, parameters), false);
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
        for (const int column : {Rods, Price, Waste, Bound}) showCell(row, column, {}, true);
    }
}

QTableWidgetItem* ProductionMaterialsGrid::showCell(int row, int column, const QString& text,
                                                    bool number) {
    QTableWidgetItem* item = grid_->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        grid_->setItem(row, column, item);
    }
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setText(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    item->setData(Qt::CheckStateRole, QVariant());
    item->setToolTip({});
    item->setBackground(QBrush());
    return item;
}

// A material without angled parts needs neither setting: its cells stay empty, whatever the job
// says. Pieces are turned only when the job allows it, as the window plans without defaults.
void ProductionMaterialsGrid::showAngleSettings(int row, const JobMaterial* settings, bool angled) {
    const std::optional<int16_t> height = settings ? settings->profileHeight : std::nullopt;
    QTableWidgetItem* heightCell =
        showCell(row, ProfileHeight, angled && height ? QString::number(*height) : QString(), true);
    QTableWidgetItem* turnCell = showCell(row, TurnOver, {}, false);
    if (!angled) return;
    heightCell->setFlags(heightCell->flags() | Qt::ItemIsEditable);
    if (!height) {
        heightCell->setBackground(QBrush(kAttentionColour));
        heightCell->setToolTip(qText(catalogue_.text(mwt::kHeightNeeded)));
    }
    turnCell->setFlags(turnCell->flags() | Qt::ItemIsUserCheckable);
    turnCell->setCheckState(settings && settings->mayTurn.value_or(false) ? Qt::Checked
                                                                          : Qt::Unchecked);
}

void ProductionMaterialsGrid::takeSetting(QTableWidgetItem* item) {
    const int column = item->column();
    if (column != ProfileHeight && column != TurnOver) return;
    const std::vector<std::string> names = materialsOfParts(job_);
    const int row = item->row();
    if (row < 0 || row >= static_cast<int>(names.size())) return;
    const std::string& name = names[static_cast<size_t>(row)];
    const JobMaterial* current = findMaterial(job_, name);
    const JobMaterial unset{name, {}, {}, {}, {}, {}, {}};
    JobMaterial edited = current ? *current : unset;
    if (column == TurnOver) {
        edited.mayTurn = item->checkState() == Qt::Checked;
    } else if (const QString text = item->text().trimmed(); text.isEmpty()) {
        edited.profileHeight.reset();
    } else if (const auto height =
                   wholeNumberOfCell(text, 1, std::numeric_limits<int16_t>::max())) {
        edited.profileHeight = static_cast<int16_t>(*height);
    } else {
        showMaterials();
        messages_.showError(qText(fillIn(catalogue_.text(mwt::kBadProfileHeight),
                                         {std::to_string(std::numeric_limits<int16_t>::max())})));
        return;
    }
    // The cell shows the setting as the job holds it ("080" as 80); a setting left as it was
    // makes no step, nor an entry for a material the job does not list.
    if (edited == (current ? *current : unset)) {
        showMaterials();
        return;
    }
    std::vector<JobMaterial> after = job_.materials;
    const auto listed = std::find_if(after.begin(), after.end(),
                                     [&name](const JobMaterial& m) { return m.name == name; });
    if (listed != after.end())
        *listed = std::move(edited);
    else
        after.push_back(std::move(edited));
    steps_.push(new MaterialsStep(*this, job_.materials, std::move(after)));
}

void ProductionMaterialsGrid::applyMaterials(const std::vector<JobMaterial>& materials) {
    job_.materials = materials;
    showMaterials();
    emit materialsEdited();
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
        showCell(row, Rods, text, material.stage == MaterialProgress::Stage::Planned);
    }
}

void ProductionMaterialsGrid::showPlan(const ProductionPlan& plan) {
    showMaterials();
    int first = -1;
    for (int row = 0; row < static_cast<int>(plan.materials.size()); ++row) {
        if (row >= grid_->rowCount()) break;
        const MaterialPlan& material = plan.materials[static_cast<size_t>(row)];
        if (!material.hasPlan()) {
            showCell(row, Rods, qText(catalogue_.text(wpt::kNotPlanned)), false);
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
        showCell(row, Rods, rods, true);
        showCell(row, Price, result.price ? qText(formatPrice(*result.price)) : QString(), true);
        showCell(row, Waste, QString::number(result.plan.summary.totalWaste), true);
        showCell(row, Bound, bound + proven, true);
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
