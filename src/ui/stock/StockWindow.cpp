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
#include "ui/stock/StockControls.h"
#include "ui/stock/StockTable.h"
#include "ui/stock/StockWindowPlace.h"
#include "ui/stock/StoreBox.h"

namespace marlo {

namespace {}  // namespace

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
    stockRows_ = std::make_unique<StockRowTable>(storeContents_);
    addStockRow_ = stockButton(storeContents_, "cmdPridatZasobu");
    deleteStockRow_ = stockButton(storeContents_, "cmdZmazatZasobu");
    offcutsLabel_ = new QLabel(storeContents_);
    offcuts_ = std::make_unique<OffcutTable>(storeContents_);
    addOffcut_ = stockButton(storeContents_, "cmdPridatZvysok");
    deleteOffcut_ = stockButton(storeContents_, "cmdZmazatZvysok");
    auto* tables = new QGridLayout;
    tables->addWidget(stockRowsLabel_, 0, 0);
    tables->addWidget(offcutsLabel_, 0, 1);
    tables->addWidget(stockRows_->grid(), 1, 0);
    tables->addWidget(offcuts_->grid(), 1, 1);
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
    for (StockTable* table : std::initializer_list<StockTable*>{stockRows_.get(), offcuts_.get()})
        connect(table->grid(), &QTableWidget::itemChanged, this,
                [this, table](QTableWidgetItem* item) { rowEdited(*table, item); });
    connect(addStockRow_, &QPushButton::clicked, this, [this] { addRow(*stockRows_); });
    connect(deleteStockRow_, &QPushButton::clicked, this, [this] { deleteRow(*stockRows_); });
    connect(addOffcut_, &QPushButton::clicked, this, [this] { addRow(*offcuts_); });
    connect(deleteOffcut_, &QPushButton::clicked, this, [this] { deleteRow(*offcuts_); });
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
    stockRows_->grid()->setHorizontalHeaderLabels({text(kLength), text(kQuantity), text(kPrice)});
    offcuts_->grid()->setHorizontalHeaderLabels({text(kIdentifier), text(kLength), text(kPrice),
                                                 text(kJob), text(kCustomer), text(kDate),
                                                 text(kPattern)});
    // "unlimited" is a word of the language.
    if (stock_) fillTables();
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
             stockRows_->grid(), offcuts_->grid(), addStockRow_, deleteStockRow_, addOffcut_,
             deleteOffcut_})
        needsMaterial->setEnabled(stock_.has_value());
    // The cell being edited stays where it was, in the row as stored now.
    stockRows_->editing().keep();
    offcuts_->editing().keep();
    fillTables();
    stockRows_->editing().restore();
    offcuts_->editing().restore();
    const QSignalBlocker quiet(minimumOffcutLength_);
    minimumOffcutLength_->setValue(stock_ ? stock_->minimumOffcutLength : 0);
    applyFilter();
}

void StockWindow::fillTables() {
    filling_ = true;
    const MaterialStock none;
    const QString unlimited = messages_.text(store_text::kUnlimited);
    stockRows_->fill(stock_ ? *stock_ : none, unlimited);
    offcuts_->fill(stock_ ? *stock_ : none, unlimited);
    filling_ = false;
}

// Rows shorter than the length typed in the filter box are hidden; rows being added never are.
void StockWindow::applyFilter() {
    const std::optional<int16_t> shortest = toInt16(lengthFilter_->text().toStdString());
    stockRows_->filter(shortest);
    offcuts_->filter(shortest);
}

void StockWindow::addRow(StockTable& table) {
    filling_ = true;
    table.addRow();
    filling_ = false;
}

void StockWindow::deleteRow(const StockTable& table) {
    const int row = table.grid()->currentRow();
    if (!store_ || !stock_ || row < 0) return;
    const QVariant key = table.keyOf(row);
    if (key.isValid()) succeeded(table.remove(*store_, material(), key));
    showStock();
}

// A row is stored as soon as a cell of it changes; a new row once its length is typed. The
// tables are filled again afterwards, so the work waits until the table has finished the edit.
void StockWindow::rowEdited(const StockTable& table, const QTableWidgetItem* item) {
    if (filling_ || !store_ || !stock_) return;
    const int row = item->row();
    const QVariant key = table.keyOf(row);
    const QStringList cells = table.cellsOf(row);
    if (!key.isValid() && cells[table.lengthColumn()].trimmed().isEmpty()) return;
    const QString typed = item->text();
    QTimer::singleShot(0, this, [this, &table, key, cells, typed] {
        if (!store_ || !stock_) return;
        const std::optional<StockItem> value =
            table.itemOf(cells, messages_.text(store_text::kUnlimited));
        if (!value) {
            messages_.showError(QString::fromStdString(fillIn(
                messages_.text(store_text::kBadValue).toStdString(), {typed.toStdString()})));
        } else if (!key.isValid()) {
            succeeded(table.add(*store_, material(), *value));
        } else if (const std::optional<StockItem> before = table.storedItem(*stock_, key)) {
            succeeded(table.change(*store_, material(), key, *before, *value));
        }
        showStock();
    });
}

void StockWindow::saveMinimumOffcutLength() {
    if (!store_ || !stock_ || minimumOffcutLength_->value() == stock_->minimumOffcutLength) return;
    succeeded(store_->setMinimumOffcutLength(material(),
                                             static_cast<int16_t>(minimumOffcutLength_->value())));
    showStock();
}

}  // namespace marlo
