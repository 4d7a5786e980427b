#include "ui/production/ProductionPartsGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <set>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/PartsGridTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/WindowProductionTexts.h"
#include "jobfile/CsvText.h"
#include "ui/common/DeleteRowsQuestion.h"
#include "ui/common/FormControls.h"
#include "ui/production/ProductionPartsFilter.h"
#include "ui/production/ProductionPartsModel.h"
#include "ui/production/ProductionPartsTable.h"

namespace marlo {

namespace {

// The length of a new part in a job that has none to take it from.
constexpr int32_t kFirstPartLength = 1000;

// The rows of the clipboard's text. A spreadsheet's rows come with tabs between their cells; a
// single column has none, and each line is one cell however many commas or semicolons it holds.
std::vector<CsvLine> pastedLines(const QString& text) {
    const std::string utf8 = text.toStdString();
    if (text.contains(QLatin1Char('\t'))) return csvLines(utf8);
    std::vector<CsvLine> lines;
    const QStringList cells = text.split(QLatin1Char('\n'));
    for (qsizetype line = 0; line < cells.size(); ++line) {
        QString cell = cells[line];
        if (cell.endsWith(QLatin1Char('\r'))) cell.chop(1);
        if (!cell.trimmed().isEmpty())
            lines.push_back({static_cast<int>(line) + 1, {cell.toStdString()}});
    }
    return lines;
}

}  // namespace

ProductionPartsGrid::ProductionPartsGrid(const StringCatalogue& catalogue, WindowMessages& messages,
                                         QUndoStack& steps, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), messages_(messages) {
    table_ = new ProductionPartsTable(this);
    table_->setObjectName(QStringLiteral("ProductionParts"));
    model_ = new ProductionPartsModel(
        catalogue,
        [this](const QString& why) {
            table_->refuseCell();
            messages_.showError(why);
        },
        steps, this);
    view_ = new ProductionPartsFilter(this);
    view_->setSourceModel(model_);
    caption_ = namedLabel(QStringLiteral("ProductionPartsCaption"), this);
    filterCaption_ = namedLabel(QStringLiteral("ProductionPartsFilterCaption"), this);
    materialFilter_ = new QLineEdit(this);
    materialFilter_->setObjectName(QStringLiteral("ProductionPartsMaterialFilter"));
    orderFilter_ = new QLineEdit(this);
    orderFilter_->setObjectName(QStringLiteral("ProductionPartsOrderFilter"));
    for (QLineEdit* box : {materialFilter_, orderFilter_}) box->setClearButtonEnabled(true);
    addButton_ =
        pictureButton(QStringLiteral("ProductionPartsAdd"), QStringLiteral("add"), 20, this);
    deleteButton_ =
        pictureButton(QStringLiteral("ProductionPartsDelete"), QStringLiteral("delete"), 20, this);

    table_->setModel(view_);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* captions = table_->horizontalHeader();
    captions->setStretchLastSection(true);
    captions->setSortIndicatorClearable(true);
    captions->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);

    auto* top = new QHBoxLayout;
    top->addWidget(caption_);
    top->addStretch(1);
    top->addWidget(filterCaption_);
    top->addWidget(materialFilter_);
    top->addWidget(orderFilter_);
    top->addWidget(addButton_);
    top->addWidget(deleteButton_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addWidget(table_, 1);

    connect(model_, &ProductionPartsModel::partEdited, this, [this] {
        showAngleColumns();
        emit partsEdited();
    });
    connect(materialFilter_, &QLineEdit::textChanged, this, &ProductionPartsGrid::filter);
    connect(orderFilter_, &QLineEdit::textChanged, this, &ProductionPartsGrid::filter);
    connect(addButton_, &QToolButton::clicked, this, &ProductionPartsGrid::addPart);
    connect(deleteButton_, &QToolButton::clicked, this, &ProductionPartsGrid::deleteSelectedParts);
    connect(table_, &ProductionPartsTable::insertPressed, this, &ProductionPartsGrid::insertPart);
    connect(table_, &ProductionPartsTable::deletePressed, this,
            &ProductionPartsGrid::deleteSelectedParts);
}

void ProductionPartsGrid::loadTexts() {
    caption_->setText(qText(catalogue_.text(window_production_text::kParts)));
    filterCaption_->setText(qText(catalogue_.text(parts_grid_text::kFilter)));
    materialFilter_->setPlaceholderText(qText(catalogue_.text(job_text::kMaterial)));
    orderFilter_->setPlaceholderText(qText(catalogue_.text(job_text::kOrder)));
    addButton_->setToolTip(messages_.text(core_text::kAdd));
    deleteButton_->setToolTip(messages_.text(core_text::kDelete));
    model_->headerDataChanged(Qt::Horizontal, 0, ProductionPartsModel::ColumnCount - 1);
}

void ProductionPartsGrid::showParts(const std::vector<PartRow>& parts) {
    for (QLineEdit* box : {materialFilter_, orderFilter_}) box->clear();
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->showParts(parts);
    showAngleColumns();
    table_->resizeColumnsToContents();
}

const std::vector<PartRow>& ProductionPartsGrid::parts() const {
    return model_->parts();
}

QWidget* ProductionPartsGrid::table() const {
    return table_;
}

void ProductionPartsGrid::paste() {
    const std::vector<CsvLine> lines = pastedLines(QGuiApplication::clipboard()->text());
    if (lines.empty()) return;
    const QModelIndex current = table_->currentIndex();
    std::vector<int> targets;
    for (int row = current.isValid() ? current.row() : view_->rowCount(); row < view_->rowCount();
         ++row)
        targets.push_back(view_->mapToSource(view_->index(row, 0)).row());
    model_->paste(targets, current.isValid() ? current.column() : 0, lines, newPart());
}

void ProductionPartsGrid::addPart() {
    addPartAt(static_cast<int>(parts().size()));
}

void ProductionPartsGrid::insertPart() {
    const int current = currentPart();
    addPartAt(current >= 0 ? current : static_cast<int>(parts().size()));
}

void ProductionPartsGrid::addPartAt(int row) {
    model_->addParts({{row, newPart()}});
    showPart(row);
}

void ProductionPartsGrid::deleteSelectedParts() {
    std::set<int> rows;
    for (const QModelIndex& cell : table_->selectionModel()->selectedIndexes())
        rows.insert(view_->mapToSource(cell).row());
    if (rows.empty()) return;
    if (messages_.ask(deleteRowsQuestion(messages_, static_cast<int>(rows.size()))) !=
        MessageAnswer::Yes)
        return;
    model_->deleteParts(std::vector<int>(rows.begin(), rows.end()));
    const int next = std::min(*rows.begin(), static_cast<int>(parts().size()) - 1);
    if (next >= 0) showPart(next);
}

PartRow ProductionPartsGrid::newPart() const {
    const int current = currentPart();
    if (current < 0 && parts().empty())
        return {{{}, {}, kFirstPartLength, 0, {}, {}, 0.0, 0.0}, {}};
    const Part& model =
        parts()[static_cast<std::size_t>(current >= 0 ? current : parts().size() - 1)].part;
    return {
        {{}, model.material, model.length, 0, model.order, {}, model.startAngle, model.endAngle},
        {}};
}

int ProductionPartsGrid::currentPart() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? view_->mapToSource(current).row() : -1;
}

void ProductionPartsGrid::showPart(int row) {
    const QModelIndex shown = view_->mapFromSource(model_->index(row, 0));
    if (!shown.isValid()) return;
    table_->setCurrentIndex(shown);
    table_->scrollTo(shown);
    table_->setFocus();
}

void ProductionPartsGrid::filter() {
    view_->filterBy(materialFilter_->text(), orderFilter_->text());
}

void ProductionPartsGrid::showAngleColumns() {
    const bool shown = model_->hasAngles();
    for (const int column : {ProductionPartsModel::StartAngle, ProductionPartsModel::EndAngle})
        table_->setColumnHidden(column, !shown);
}

}  // namespace marlo
