#include "ui/job/JobEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "i18n/texts/CoreTexts.h"
#include "model/ListRowCheck.h"
#include "ui/common/DeleteRowsQuestion.h"
#include "ui/common/EntryBoxes.h"
#include "ui/common/FormControls.h"
#include "ui/common/Twips.h"
#include "ui/job/CodePageValidator.h"
#include "ui/job/ItemEditDialog.h"

namespace marlo {

namespace {

constexpr int kListDimensionColumnTwips = 1500;
constexpr int kListPiecesColumnTwips = 600;
constexpr int kListVisibleRows = 21;  // header and 20 items; more rows scroll

int listColumnsWidth() {
    return pixels(kListDimensionColumnTwips) + pixels(kListPiecesColumnTwips);
}

}  // namespace

JobEditor::JobEditor(QWidget* form, JobState& state, const StringCatalogue& catalogue,
                     WindowMessages& messages)
    : QObject(form), state_(state), catalogue_(catalogue), messages_(messages) {
    buildControls(form);

    connect(dimensionBox_, &QLineEdit::textChanged, this, &JobEditor::updateAddButton);
    connect(piecesBox_, &QLineEdit::textChanged, this, &JobEditor::updateAddButton);
    connect(dimensionBox_, &QLineEdit::returnPressed, piecesBox_, qOverload<>(&QWidget::setFocus));
    connect(piecesBox_, &QLineEdit::returnPressed, this, &JobEditor::addRowFromEntry);
    connect(customerBox_, &QLineEdit::returnPressed, jobNameBox_, qOverload<>(&QWidget::setFocus));
    connect(jobNameBox_, &QLineEdit::returnPressed, colourBox_, qOverload<>(&QWidget::setFocus));
    connect(colourBox_, &QLineEdit::returnPressed, dimensionBox_, qOverload<>(&QWidget::setFocus));
    for (QLineEdit* box : {jobNameBox_, colourBox_, customerBox_})
        connect(box, &QLineEdit::textChanged, this, &JobEditor::headerChanged);
    connect(addButton_, &QToolButton::clicked, this, &JobEditor::addRowFromEntry);
    connect(deleteButton_, &QToolButton::clicked, this, &JobEditor::deleteSelectedRows);
    connect(editButton_, &QToolButton::clicked, this, &JobEditor::editSelectedRow);
    connect(listGrid_, &QTableWidget::itemSelectionChanged, this, &JobEditor::updateEditButton);
    connect(listGrid_, &QTableWidget::cellDoubleClicked, this, &JobEditor::editCurrentRow);
    listGrid_->installEventFilter(this);
}

void JobEditor::buildControls(QWidget* form) {
    customerCaption_ = namedLabel(QStringLiteral("Label7"), form);
    jobNameCaption_ = namedLabel(QStringLiteral("Label5"), form);
    colourCaption_ = namedLabel(QStringLiteral("Label6"), form);
    dimensionCaption_ = namedLabel(QStringLiteral("Label1"), form);
    piecesCaption_ = namedLabel(QStringLiteral("Label2"), form);
    const QList<QLineEdit**> boxes = {&dimensionBox_, &piecesBox_, &jobNameBox_, &colourBox_,
                                      &customerBox_};
    for (int i = 0; i < boxes.size(); ++i) {
        *boxes[i] = new QLineEdit(form);
        (*boxes[i])->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        SelectAllOnFocus::install(*boxes[i]);
    }
    for (QLineEdit* box : {jobNameBox_, colourBox_, customerBox_})
        box->setValidator(new CodePageValidator(box));
    addButton_ = pictureButton(QStringLiteral("Command1"), QStringLiteral("add"), 20, form);
    deleteButton_ = pictureButton(QStringLiteral("Command2"), QStringLiteral("delete"), 20, form);
    editButton_ = pictureButton(QStringLiteral("Command3"), QStringLiteral("edit"), 20, form);

    // The list gets the room of its largest size, so that its growing moves nothing else; the
    // room grows in height with the window.
    listRoom_ = new QWidget(form);
    listGrid_ = new QTableWidget(listRoom_);
    listGrid_->setObjectName(QStringLiteral("Grid1"));
    setUpGrid(listGrid_);
    listRoom_->setMinimumSize(
        gridSize(listGrid_, kListVisibleRows, listColumnsWidth(), true, true));
    listRoom_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    listRoom_->installEventFilter(this);
}

QBoxLayout* JobEditor::buildLayout() {
    for (QLabel* caption : {customerCaption_, jobNameCaption_, colourCaption_})
        caption->setMinimumWidth(widestCaption(caption, {1, 2, 3}));

    const int gap = pixels(90);
    auto* header = new QGridLayout;
    header->setSpacing(gap);
    header->addWidget(customerCaption_, 0, 0);
    header->addWidget(customerBox_, 0, 1);
    header->addWidget(jobNameCaption_, 1, 0);
    header->addWidget(jobNameBox_, 1, 1);
    header->addWidget(colourCaption_, 2, 0);
    header->addWidget(colourBox_, 2, 1);
    // A wider column widens the boxes, for long customer and job names.
    header->setColumnStretch(1, 1);
    customerCaption_->setBuddy(customerBox_);
    jobNameCaption_->setBuddy(jobNameBox_);
    colourCaption_->setBuddy(colourBox_);

    dimensionBox_->setFixedWidth(pixels(kListDimensionColumnTwips));
    piecesBox_->setFixedWidth(pixels(kListPiecesColumnTwips) + pixels(300));
    dimensionBox_->setAlignment(Qt::AlignRight);
    piecesBox_->setAlignment(Qt::AlignRight);
    dimensionCaption_->setBuddy(dimensionBox_);
    piecesCaption_->setBuddy(piecesBox_);
    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(gap);
    entry->setVerticalSpacing(pixels(30));
    entry->addWidget(dimensionCaption_, 0, 0);
    entry->addWidget(piecesCaption_, 0, 1);
    entry->addWidget(dimensionBox_, 1, 0);
    entry->addWidget(piecesBox_, 1, 1);
    entry->addWidget(addButton_, 1, 2);
    entry->setColumnStretch(3, 1);

    auto* listButtons = new QVBoxLayout;
    listButtons->setSpacing(gap);
    listButtons->addWidget(deleteButton_);
    listButtons->addWidget(editButton_);
    listButtons->addStretch();
    auto* list = new QHBoxLayout;
    listLayout_ = list;
    list->setSpacing(gap);
    list->addWidget(listRoom_);
    list->addLayout(listButtons);
    list->addStretch();

    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addLayout(header);
    column->addSpacing(2 * gap);
    column->addLayout(entry);
    column->addSpacing(gap);
    column->addLayout(list, 1);
    column_ = column;
    return column;
}

QList<QWidget*> JobEditor::tabOrder() const {
    return {customerBox_, jobNameBox_, colourBox_,    dimensionBox_,
            piecesBox_,   addButton_,  deleteButton_, editButton_};
}

QWidget* JobEditor::listGrid() const {
    return listGrid_;
}

void JobEditor::setUpColumns() {
    listGrid_->setColumnCount(2);
    listGrid_->setColumnWidth(0, pixels(kListDimensionColumnTwips));
    listGrid_->setColumnWidth(1, pixels(kListPiecesColumnTwips));
}

void JobEditor::loadTexts() {
    customerCaption_->setText(messages_.text(core_text::kCustomer));
    jobNameCaption_->setText(messages_.text(core_text::kName));
    colourCaption_->setText(messages_.text(core_text::kColour));
    dimensionCaption_->setText(messages_.text(core_text::kDimension));
    piecesCaption_->setText(messages_.text(core_text::kPieces));
    addButton_->setToolTip(messages_.text(core_text::kAdd));
    deleteButton_->setToolTip(messages_.text(core_text::kDelete));
    editButton_->setToolTip(messages_.text(core_text::kEdit));
}

JobHeader JobEditor::header() const {
    return {customerBox_->text().toStdString(), jobNameBox_->text().toStdString(),
            colourBox_->text().toStdString()};
}

Job JobEditor::job() const {
    return {header(), state_.list};
}

void JobEditor::showEdited(const Job& edited) {
    const bool listDiffers = edited.list != state_.list;
    showJob(edited);
    if (listDiffers) emit listChanged();
}

void JobEditor::showJob(const Job& opened) {
    customerBox_->setText(qText(opened.header.customer));
    jobNameBox_->setText(qText(opened.header.name));
    colourBox_->setText(qText(opened.header.colour));
    state_.list = opened.list;
    const int rows = static_cast<int>(state_.list.size());
    listGrid_->setRowCount(rows);
    for (int row = 1; row <= rows; ++row) setListCell(row, state_.list[row - 1]);
    selectListRow(rows);
    fitListGrid();
    // A long list shows its last rows.
    listGrid_->scrollToBottom();
    const bool hasRows = rows > 0;
    deleteButton_->setEnabled(hasRows);
    editButton_->setEnabled(hasRows);
    emit rowsPresent(hasRows);
}

void JobEditor::showCuttingList(bool shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{dimensionCaption_, piecesCaption_,
                                                            dimensionBox_, piecesBox_, addButton_,
                                                            deleteButton_, editButton_, listRoom_})
        control->setVisible(shown);
    // The hidden list's room takes none of the column's height.
    if (column_ != nullptr) column_->setStretchFactor(listLayout_, shown ? 1 : 0);
}

void JobEditor::clear() {
    listGrid_->clearContents();
    listGrid_->setRowCount(0);
    selectListRow(0);
    listGrid_->setHorizontalHeaderItem(0, centredItem(messages_.text(core_text::kDimension)));
    listGrid_->setHorizontalHeaderItem(1, centredItem(messages_.text(core_text::kPieces)));
    fitListGrid();

    addButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
    editButton_->setEnabled(false);
    emit rowsPresent(false);
    dimensionBox_->clear();
    piecesBox_->clear();

    state_.list.clear();
    jobNameBox_->clear();
    colourBox_->clear();
    customerBox_->clear();
}

void JobEditor::focusFirstBox() {
    customerBox_->setFocus();
}

void JobEditor::updateAddButton() {
    addButton_->setEnabled(!dimensionBox_->text().isEmpty() && !piecesBox_->text().isEmpty());
}

void JobEditor::addRowFromEntry() {
    const CutItem item{dimensionBox_->text().toStdString(), piecesBox_->text().toStdString()};
    if (const RowFault fault = checkListRow(item); fault != RowFault::None) {
        QLineEdit* refused = fault == RowFault::Dimension ? dimensionBox_ : piecesBox_;
        refused->selectAll();
        refused->setFocus();
        return;
    }
    if (isLongerThanRod(item, state_.parameters.rodLength) &&
        messages_.ask(messages_.text(core_text::kDimensionTooLongQuestion)) != MessageAnswer::Yes) {
        dimensionBox_->selectAll();
        dimensionBox_->setFocus();
        return;
    }

    appendRows({item});
    dimensionBox_->clear();
    piecesBox_->clear();
    dimensionBox_->setFocus();
}

void JobEditor::appendRows(const CuttingList& rows) {
    const int first = static_cast<int>(state_.list.size()) + 1;
    state_.list.insert(state_.list.end(), rows.begin(), rows.end());
    const int last = static_cast<int>(state_.list.size());
    listGrid_->setRowCount(last);
    for (int row = first; row <= last; ++row) setListCell(row, state_.list[row - 1]);
    selectListRow(last);
    fitListGrid();
    listGrid_->scrollToBottom();
    deleteButton_->setEnabled(true);
    editButton_->setEnabled(true);
    emit rowsPresent(true);
    emit listChanged();
}

void JobEditor::deleteSelectedRows() {
    if (state_.list.empty()) return;
    const int count = listSelectionCount();
    if (count == 0) return;
    if (messages_.ask(deleteRowsQuestion(messages_, count)) != MessageAnswer::Yes) return;

    const int first = listSelectionFirst();
    state_.list.erase(state_.list.begin() + (first - 1), state_.list.begin() + (first - 1 + count));
    for (int i = 0; i < count; ++i) listGrid_->removeRow(first - 1);

    const int current = first <= static_cast<int>(state_.list.size()) ? first : first - 1;
    if (current != 0) {
        editButton_->setEnabled(true);
    } else {
        deleteButton_->setEnabled(false);
        editButton_->setEnabled(false);
        emit rowsPresent(false);
    }
    selectListRow(current);
    fitListGrid();
    emit listChanged();
}

void JobEditor::updateEditButton() {
    const int count = listSelectionCount();
    editButton_->setEnabled(count == 1 && listSelectionFirst() != 0);
}

void JobEditor::editSelectedRow() {
    if (listSelectionCount() == 1 && listSelectionFirst() != 0) editRow(listSelectionFirst());
}

void JobEditor::editCurrentRow() {
    if (const int row = listGrid_->currentRow() + 1; row >= 1) editRow(row);
}

void JobEditor::editRow(int row) {
    ItemEditDialog dialog(catalogue_, state_.list[row - 1], listGrid_->window());
    if (dialog.exec() != QDialog::Accepted) return;
    state_.list[row - 1] = dialog.item();
    setListCell(row, state_.list[row - 1]);
    selectListRow(row);
    emit listChanged();
}

void JobEditor::fitListGrid() {
    const int rows = listGrid_->rowCount() + 1;
    const int visible = roomRows(listRoom_, kListVisibleRows);
    const bool scrolls = rows > visible;
    fitGrid(listGrid_, scrolls ? visible : rows, listColumnsWidth(), false, scrolls);
}

int JobEditor::listSelectionFirst() const {
    const QModelIndexList rows = listGrid_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return 0;
    int first = rows.front().row();
    for (const QModelIndex& index : rows) first = std::min(first, index.row());
    return first + 1;
}

int JobEditor::listSelectionCount() const {
    return static_cast<int>(listGrid_->selectionModel()->selectedRows().size());
}

void JobEditor::selectListRow(int row) {
    if (row == 0) {
        listGrid_->clearSelection();
        listGrid_->setCurrentIndex(QModelIndex());
        return;
    }
    listGrid_->setCurrentCell(row - 1, 0,
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void JobEditor::setListCell(int row, const CutItem& item) {
    listGrid_->setItem(row - 1, 0, centredItem(qText(item.dimension)));
    listGrid_->setItem(row - 1, 1, centredItem(qText(item.pieces)));
}

bool JobEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listRoom_ && event->type() == QEvent::Resize) fitListGrid();
    if (watched == listGrid_ && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && !key->isAutoRepeat()) deleteSelectedRows();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace marlo
