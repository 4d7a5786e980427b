#include "ui/stock/StockCellEditing.h"

#include <QKeyEvent>
#include <QTableWidget>

namespace marlo {

StockCellEditing::StockCellEditing(QTableWidget* table)
    : QStyledItemDelegate(table), table_(table) {
    table_->setItemDelegate(this);
    // Tab on a cell that is not being edited stays in the row too.
    table_->installEventFilter(this);
}

QWidget* StockCellEditing::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor_ = editor;
    return editor;
}

void StockCellEditing::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == editor_) editor_ = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool StockCellEditing::eventFilter(QObject* watched, QEvent* event) {
    const bool editing = editor_ != nullptr && watched == editor_;
    if (!editing && watched != table_) return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        // Shift+Tab comes as Backtab, or as Tab with Shift.
        const bool backward = key->key() == Qt::Key_Backtab ||
                              (key->key() == Qt::Key_Tab && key->modifiers() & Qt::ShiftModifier);
        const bool forward = key->key() == Qt::Key_Tab && !backward;
        if (plain && (forward || backward)) {
            if (editing) {
                QWidget* editor = editor_;
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
            moveInRow(forward, editing);
            return true;
        }
        // Enter stores the cell at once and goes no further: the window would take it as a
        // press of its default button.
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (editing && enter) {
            QWidget* editor = editor_;
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        }
    }
    // The table's own events are its own; an editor's go on to the usual editing keys.
    return editing && QStyledItemDelegate::eventFilter(watched, event);
}

void StockCellEditing::moveInRow(bool forward, bool edit) {
    const int row = table_->currentRow();
    const int columns = table_->columnCount();
    if (row < 0 || columns == 0) return;
    for (int step = 1; step < columns; ++step) {
        const int column = (table_->currentColumn() + (forward ? step : columns - step)) % columns;
        QTableWidgetItem* cell = table_->item(row, column);
        if (!cell || !(cell->flags() & Qt::ItemIsEditable)) continue;
        table_->setCurrentCell(row, column);
        if (edit) table_->editItem(cell);
        return;
    }
}

QVariant StockCellEditing::keyOf(int row) const {
    const QTableWidgetItem* first = table_->item(row, 0);
    return first ? first->data(Qt::UserRole) : QVariant();
}

void StockCellEditing::keep() {
    keptKeys_.clear();
    for (int row = 0; row < table_->rowCount(); ++row) keptKeys_ << keyOf(row);
    keptColumn_ = table_->currentColumn();
    keptKey_ = table_->currentRow() >= 0 ? keyOf(table_->currentRow()) : QVariant();
    keptEditing_ = editor_ != nullptr;
}

void StockCellEditing::restore() {
    if (keptColumn_ < 0) return;
    int found = -1;
    for (int row = 0; row < table_->rowCount() && found < 0; ++row)
        if (keptKey_.isValid() && keyOf(row) == keptKey_) found = row;
    for (int row = 0; row < table_->rowCount() && found < 0; ++row)
        if (!keptKeys_.contains(keyOf(row))) found = row;
    const int column = keptColumn_;
    keptColumn_ = -1;
    if (found < 0) return;
    table_->setCurrentCell(found, column);
    QTableWidgetItem* cell = table_->item(found, column);
    if (keptEditing_ && cell && (cell->flags() & Qt::ItemIsEditable)) {
        // The editor that the filling took had the keyboard.
        table_->setFocus();
        table_->editItem(cell);
    }
}

}  // namespace marlo
