#include "ui/stock/StockWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "i18n/texts/StockStoreTexts.h"
#include "model/NumericText.h"
#include "stock/StoreMessages.h"
#include "ui/stock/StockCellEditing.h"
#include "ui/stock/StockCells.h"
#include "ui/stock/StockControls.h"
#include "ui/stock/StockWindowPlace.h"
#include "ui/stock/StoreBox.h"

namespace marlo {

namespace {

// Columns of the offcut table after identifier, length and price: the offcut's origin, shown only.
constexpr int kFirstOriginColumn = 3;
constexpr int kOffcutColumns = 7;
constexpr int kStockRowColumns = 3;

// The key a table row keeps of its stock row or offcut; nothing for a row not yet stored.
QVariant keyOf(const QTableWidget* table, int row) {
    const QTableWidgetItem* first = table->item(row, 0);
    return first ? first->data(Qt::UserRole) : QVariant();
}

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* cell = table->item(row, column);
    return cell ? cell->text() : QString();
}

}  // namespace

StockWindow::StockWindow(const StringCatalogue& catalogue, Dialogs& dialogs,
                         SettingsStore& settings, const std::string& material)
    // A window, not a dialog: the window system keeps a dialog in front of the main window.
    : QDialog(nullptr, Qt::Window),
      catalogue_(catalogue),
      dialogs_(dialogs),
      settings_(settings),
      messages_(this, dialogs, catalogue) {
    setObjectName(QStringLiteral("Sklad"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    const QString chosen = QString::fromStdString(material);
    storeBox_ = new StoreBox(this, messages_, settings_, [this, chosen](auto opened) {
        const QString shown =
            materials_->currentItem() ? materials_->currentItem()->text() : chosen;
        store_ = std::move(opened);
        storeContents_->setEnabled(true);
        showMaterials(shown);
    });
    buildControls();
    loadTexts();
    storeContents_->setEnabled(false);
    storeBox_->open();
}

StockWindow::~StockWindow() {
    rememberStockWindowPlace(*this, settings_);
}

void StockWindow::buildControls() {
    storeContents_ = new QWidget(this);
    materialsLabel_ = new QLabel(storeContents_);
    materials_ = new QListWidget(storeContents_);
    materials_->setObjectName(QStringLiteral("lstMaterialy"));
    nameLabel_ = new QLabel(storeContents_);
    materialName_ = new QLineEdit(storeContents_);
    materialName_->setObjectName(QStringLiteral("txtMaterial"));
    addMaterial_ = stockButton(storeContents_, "cmdPridatMaterial");
    renameMaterial_ = stockButton(storeContents_, "cmdPremenovatMaterial");
    deleteMaterial_ = stockButton(storeContents_, "cmdZmazatMaterial");
    auto* materialButtons = new QHBoxLayout;
    for (QPushButton* command : {addMaterial_, renameMaterial_, deleteMaterial_})
        materialButtons->addWidget(command);
    auto* materialColumn = new QVBoxLayout;
    materialColumn->addWidget(materialsLabel_);
    materialColumn->addWidget(materials_, 1);
    materialColumn->addWidget(nameLabel_);
    materialColumn->addWidget(materialName_);
    materialColumn->addLayout(materialButtons);

    filterLabel_ = new QLabel(storeContents_);
    lengthFilter_ = new QLineEdit(storeContents_);
    lengthFilter_->setObjectName(QStringLiteral("txtDlzkaOd"));
    lengthFilter_->setMaximumWidth(90);
    minimumLabel_ = new QLabel(storeContents_);
    minimumOffcutLength_ = new QSpinBox(storeContents_);
    minimumOffcutLength_->setObjectName(QStringLiteral("txtMinZvysok"));
    minimumOffcutLength_->setRange(0, 32767);
    importCsv_ = stockButton(storeContents_, "cmdImportCsv");
    exportCsv_ = stockButton(storeContents_, "cmdExportCsv");
    auto* tools = new QHBoxLayout;
    tools->addWidget(filterLabel_);
    tools->addWidget(lengthFilter_);
    tools->addSpacing(16);
    tools->addWidget(minimumLabel_);
    tools->addWidget(minimumOffcutLength_);
    tools->addStretch(1);
    tools->addWidget(importCsv_);
    tools->addWidget(exportCsv_);

    stockRowsLabel_ = new QLabel(storeContents_);
    stockRows_ = stockTable(storeContents_, "grdZasoby", kStockRowColumns);
    addStockRow_ = stockButton(storeContents_, "cmdPridatZasobu");
    deleteStockRow_ = stockButton(storeContents_, "cmdZmazatZasobu");
    offcutsLabel_ = new QLabel(storeContents_);
    offcuts_ = stockTable(storeContents_, "grdZvysky", kOffcutColumns);
    addOffcut_ = stockButton(storeContents_, "cmdPridatZvysok");
    deleteOffcut_ = stockButton(storeContents_, "cmdZmazatZvysok");
    auto* tables = new QGridLayout;
    tables->addWidget(stockRowsLabel_, 0, 0);
    tables->addWidget(offcutsLabel_, 0, 1);
    tables->addWidget(stockRows_, 1, 0);
    tables->addWidget(offcuts_, 1, 1);
    tables->setColumnStretch(0, 4);
    tables->setColumnStretch(1, 7);
    auto* stockRowButtons = new QHBoxLayout;
    stockRowButtons->addWidget(addStockRow_);
    stockRowButtons->addWidget(deleteStockRow_);
    stockRowButtons->addStretch(1);
    auto* offcutButtons = new QHBoxLayout;
    offcutButtons->addWidget(addOffcut_);
    offcutButtons->addWidget(deleteOffcut_);
    offcutButtons->addStretch(1);
    tables->addLayout(stockRowButtons, 2, 0);
    tables->addLayout(offcutButtons, 2, 1);
    auto* stockColumn = new QVBoxLayout;
    stockColumn->addLayout(tools);
    stockColumn->addLayout(tables, 1);

    auto* contents = new QHBoxLayout(storeContents_);
    contents->setContentsMargins(0, 0, 0, 0);
    contents->addLayout(materialColumn, 1);
    contents->addLayout(stockColumn, 4);
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(storeBox_);
    whole->addWidget(storeContents_, 1);
    resize(1180, 560);

    stockRowEditing_ = new StockCellEditing(stockRows_);
    offcutEditing_ = new StockCellEditing(offcuts_);
    connect(materials_, &QListWidget::currentRowChanged, this, [this] {
        materialName_->setText(materials_->currentItem() ? materials_->currentItem()->text()
                                                         : QString());
        showStock();
    });
    connect(addMaterial_, &QPushButton::clicked, this, &StockWindow::addMaterial);
    connect(renameMaterial_, &QPushButton::clicked, this, &StockWindow::renameMaterial);
    connect(deleteMaterial_, &QPushButton::clicked, this, &StockWindow::deleteMaterial);
    connect(lengthFilter_, &QLineEdit::textChanged, this, &StockWindow::applyFilter);
    connect(minimumOffcutLength_, &QSpinBox::editingFinished, this,
            &StockWindow::saveMinimumOffcutLength);
    connect(importCsv_, &QPushButton::clicked, this, &StockWindow::importCsv);
    connect(exportCsv_, &QPushButton::clicked, this, &StockWindow::exportCsv);
    for (QTableWidget* grid : {stockRows_, offcuts_})
        connect(grid, &QTableWidget::itemChanged, this, &StockWindow::rowEdited);
    connect(addStockRow_, &QPushButton::clicked, this, [this] { addRow(stockRows_); });
    connect(deleteStockRow_, &QPushButton::clicked, this, [this] { deleteRow(stockRows_); });
    connect(addOffcut_, &QPushButton::clicked, this, [this] { addRow(offcuts_); });
    connect(deleteOffcut_, &QPushButton::clicked, this, [this] { deleteRow(offcuts_); });
}

void StockWindow::loadTexts() {
    using namespace store_text;
    const auto text = [this](int offset) { return messages_.text(offset); };
    setWindowTitle(text(kStockWindowTitle));
    storeBox_->loadTexts();
    materialsLabel_->setText(text(kMaterial));
    nameLabel_->setText(text(kMaterialName));
    addMaterial_->setText(text(kAdd));
    renameMaterial_->setText(text(kRename));
    deleteMaterial_->setText(text(kDelete));
    filterLabel_->setText(text(kLengthFrom));
    minimumLabel_->setText(text(kMinimumOffcutLength) + QLatin1Char(':'));
    importCsv_->setText(text(kImportCsv));
    exportCsv_->setText(text(kExportCsv));
    stockRowsLabel_->setText(text(kStockRows));
    offcutsLabel_->setText(text(kOffcuts));
    for (QPushButton* add : {addStockRow_, addOffcut_}) add->setText(text(kAdd));
    for (QPushButton* remove : {deleteStockRow_, deleteOffcut_}) remove->setText(text(kDelete));
    stockRows_->setHorizontalHeaderLabels({text(kLength), text(kQuantity), text(kPrice)});
    offcuts_->setHorizontalHeaderLabels({text(kIdentifier), text(kLength), text(kPrice), text(kJob),
                                         text(kCustomer), text(kDate), text(kPattern)});
    // "unlimited" is a word of the language.
    if (stock_) fillStockRows();
}

// ---- The store and its materials ----

void StockWindow::showMaterials(const QString& chosen) {
    std::vector<MaterialSummary> summaries;
    if (store_) {
        StoreResult<std::vector<MaterialSummary>> read = store_->materials();
        if (read.value)
            summaries = std::move(*read.value);
        else
            succeeded(read.error);
    }
    {
        const QSignalBlocker quiet(materials_);
        materials_->clear();
        for (const MaterialSummary& summary : summaries)
            materials_->addItem(QString::fromStdString(summary.name));
        const QList<QListWidgetItem*> found = materials_->findItems(chosen, Qt::MatchExactly);
        materials_->setCurrentRow(found.isEmpty() ? 0 : materials_->row(found.front()));
    }
    materialName_->setText(materials_->currentItem() ? materials_->currentItem()->text()
                                                     : QString());
    showStock();
}

std::string StockWindow::material() const {
    return materials_->currentItem() ? materials_->currentItem()->text().toStdString()
                                     : std::string();
}

void StockWindow::addMaterial() {
    const QString name = materialName_->text().trimmed();
    if (store_ && succeeded(store_->addMaterial(name.toStdString()))) showMaterials(name);
}

void StockWindow::renameMaterial() {
    const QString name = materialName_->text().trimmed();
    if (store_ && stock_ && succeeded(store_->renameMaterial(material(), name.toStdString())))
        showMaterials(name);
}

void StockWindow::deleteMaterial() {
    if (!store_ || !stock_) return;
    const std::string question =
        fillIn(messages_.text(store_text::kDeleteMaterialQuestion).toStdString(), {material()});
    if (messages_.ask(QString::fromStdString(question)) != MessageAnswer::Yes) return;
    succeeded(store_->deleteMaterial(material()));
    showMaterials({});
}

bool StockWindow::succeeded(const StoreError& error) {
    if (!error) return true;
    messages_.showError(QString::fromStdString(storeErrorMessage(error, catalogue_)) +
                        QLatin1Char('\n') + messages_.text(store_text::kNothingChanged));
    return false;
}

// ---- The chosen material's stock ----

void StockWindow::showStock() {
    stock_.reset();
    if (store_ && materials_->currentItem()) {
        StoreResult<MaterialStock> read = store_->stockOf(material());
        if (read.value)
            stock_ = std::move(*read.value);
        else
            succeeded(read.error);
    }
    for (QWidget* needsMaterial : std::initializer_list<QWidget*>{
             renameMaterial_, deleteMaterial_, minimumOffcutLength_, importCsv_, exportCsv_,
             stockRows_, offcuts_, addStockRow_, deleteStockRow_, addOffcut_, deleteOffcut_})
        needsMaterial->setEnabled(stock_.has_value());
    // The cell being edited stays where it was, in the row as stored now.
    for (StockCellEditing* editing : {stockRowEditing_, offcutEditing_}) editing->keep();
    fillStockRows();
    fillOffcuts();
    for (StockCellEditing* editing : {stockRowEditing_, offcutEditing_}) editing->restore();
    const QSignalBlocker quiet(minimumOffcutLength_);
    minimumOffcutLength_->setValue(stock_ ? stock_->minimumOffcutLength : 0);
    applyFilter();
}

void StockWindow::fillStockRows() {
    filling_ = true;
    stockRows_->setSortingEnabled(false);
    stockRows_->setRowCount(0);
    const QString unlimited = messages_.text(store_text::kUnlimited);
    for (size_t i = 0; stock_ && i < stock_->list.items.size(); ++i) {
        const StockItem& item = stock_->list.items[i];
        if (item.kind != StockKind::Rod) continue;
        const int row = stockRows_->rowCount();
        stockRows_->insertRow(row);
        auto* length = new NumberCell(QString::number(item.length));
        length->setData(Qt::UserRole, QVariant::fromValue<qint64>(stock_->rowKeys[i]));
        stockRows_->setItem(row, 0, length);
        stockRows_->setItem(row, 1, new NumberCell(quantityText(item.quantity, unlimited)));
        stockRows_->setItem(row, 2, new NumberCell(priceText(item.price)));
    }
    // The word for unlimited may be wider than the column.
    stockRows_->resizeColumnToContents(1);
    stockRows_->setSortingEnabled(true);
    filling_ = false;
}

void StockWindow::fillOffcuts() {
    filling_ = true;
    offcuts_->setSortingEnabled(false);
    offcuts_->setRowCount(0);
    for (size_t i = 0; stock_ && i < stock_->list.items.size(); ++i) {
        const StockItem& item = stock_->list.items[i];
        if (item.kind != StockKind::Offcut) continue;
        const OffcutOrigin& origin = stock_->origins[i];
        const int row = offcuts_->rowCount();
        offcuts_->insertRow(row);
        const QStringList cells = {
            QString::fromStdString(item.id),
            QString::number(item.length),
            priceText(item.price),
            QString::fromStdString(origin.jobFile),
            QString::fromStdString(origin.customer),
            QString::fromStdString(origin.date),
            origin.pattern > 0 ? QString::number(origin.pattern) : QString()};
        for (int column = 0; column < kOffcutColumns; ++column) {
            auto* cell = new NumberCell(cells[column]);
            // The identifier names the offcut in the store; the origin is its history.
            if (column == 0 || column >= kFirstOriginColumn)
                cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
            offcuts_->setItem(row, column, cell);
        }
        offcuts_->item(row, 0)->setData(Qt::UserRole, cells[0]);
    }
    offcuts_->setSortingEnabled(true);
    // Job, customer and date show whole; the pattern column takes what is left.
    offcuts_->resizeColumnsToContents();
    filling_ = false;
}

// Rows shorter than the length typed in the filter box are hidden; rows being added never are.
void StockWindow::applyFilter() {
    const std::optional<int16_t> shortest = toInt16(lengthFilter_->text().toStdString());
    for (QTableWidget* grid : {stockRows_, offcuts_}) {
        const int lengthColumn = grid == offcuts_ ? 1 : 0;
        for (int row = 0; row < grid->rowCount(); ++row) {
            const std::optional<int16_t> length =
                toInt16(cellText(grid, row, lengthColumn).toStdString());
            grid->setRowHidden(
                row, shortest && keyOf(grid, row).isValid() && length && *length < *shortest);
        }
    }
}

void StockWindow::addRow(QTableWidget* grid) {
    filling_ = true;
    // The new row stays where it is while it is typed; the next filling sorts again.
    grid->setSortingEnabled(false);
    const int row = grid->rowCount();
    grid->insertRow(row);
    for (int column = 0; column < grid->columnCount(); ++column) {
        auto* cell = new NumberCell(QString());
        if (grid == offcuts_ && column >= kFirstOriginColumn)
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        grid->setItem(row, column, cell);
    }
    filling_ = false;
    const int lengthColumn = grid == offcuts_ ? 1 : 0;
    grid->setCurrentCell(row, lengthColumn);
    grid->editItem(grid->item(row, lengthColumn));
}

void StockWindow::deleteRow(QTableWidget* grid) {
    const int row = grid->currentRow();
    if (!store_ || !stock_ || row < 0) return;
    const QVariant key = keyOf(grid, row);
    if (key.isValid()) {
        succeeded(grid == offcuts_ ? store_->deleteOffcut(material(), key.toString().toStdString())
                                   : store_->deleteStockRow(material(), key.toLongLong()));
    }
    showStock();
}

// A row is stored as soon as a cell of it changes; a new row once its length is typed. The
// tables are filled again afterwards, so the work waits until the table has finished the edit.
void StockWindow::rowEdited(QTableWidgetItem* item) {
    if (filling_ || !store_ || !stock_) return;
    QTableWidget* grid = item->tableWidget();
    const int row = item->row();
    const QVariant key = keyOf(grid, row);
    QStringList cells;
    for (int column = 0; column < grid->columnCount(); ++column)
        cells << cellText(grid, row, column);
    const bool offcut = grid == offcuts_;
    if (!key.isValid() && cells[offcut ? 1 : 0].trimmed().isEmpty()) return;
    const QString typed = item->text();
    QTimer::singleShot(0, this, [this, key, cells, offcut, typed] {
        if (!store_ || !stock_) return;
        const QString unlimited = messages_.text(store_text::kUnlimited);
        const std::optional<StockItem> value =
            offcut ? offcutOf(cells[0], cells[1], cells[2])
                   : stockRowOf(cells[0], cells[1], cells[2], unlimited);
        if (!value) {
            messages_.showError(QString::fromStdString(fillIn(
                messages_.text(store_text::kBadValue).toStdString(), {typed.toStdString()})));
        } else if (!key.isValid()) {
            succeeded(offcut ? store_->addOffcut(material(), *value)
                             : store_->addStockRow(material(), *value));
        } else if (const std::optional<StockItem> before = storedItem(key, offcut)) {
            // The store refuses the change when another program changed the row meanwhile.
            succeeded(offcut
                          ? store_->changeOffcut(material(), *before, *value)
                          : store_->changeStockRow(material(), key.toLongLong(), *before, *value));
        }
        showStock();
    });
}

std::optional<StockItem> StockWindow::storedItem(const QVariant& key, bool offcut) const {
    const std::vector<StockItem>& items = stock_->list.items;
    for (size_t i = 0; i < items.size(); ++i) {
        const bool found =
            offcut
                ? items[i].kind == StockKind::Offcut && items[i].id == key.toString().toStdString()
                : items[i].kind == StockKind::Rod && stock_->rowKeys[i] == key.toLongLong();
        if (found) return items[i];
    }
    return std::nullopt;
}

void StockWindow::saveMinimumOffcutLength() {
    if (!store_ || !stock_ || minimumOffcutLength_->value() == stock_->minimumOffcutLength) return;
    succeeded(store_->setMinimumOffcutLength(material(),
                                             static_cast<int16_t>(minimumOffcutLength_->value())));
    showStock();
}

}  // namespace marlo
