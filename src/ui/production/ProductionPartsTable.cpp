#include "ui/production/ProductionPartsTable.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace marlo {

ProductionPartsTable::ProductionPartsTable(QWidget* parent) : QTableView(parent) {}

void ProductionPartsTable::moveToNextCell() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    const int columns = model()->columnCount();
    int row = current.row();
    int column = current.column() + 1;
    while (column < columns && isColumnHidden(column)) ++column;
    if (column == columns) {
        if (row + 1 == model()->rowCount()) return;
        ++row;
        column = 0;
        while (column < columns && isColumnHidden(column)) ++column;
    }
    setCurrentIndex(model()->index(row, column));
}

void ProductionPartsTable::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (state() != EditingState && plain) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                moveToNextCell();
                return;
            case Qt::Key_Insert:
                emit insertPressed();
                return;
            case Qt::Key_Delete:
                if (!event->isAutoRepeat()) emit deletePressed();
                return;
            default:
                break;
        }
    }
    QTableView::keyPressEvent(event);
}

void ProductionPartsTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    // Enter in an editor stores the cell with this hint; Tab and Escape come with others.
    if (hint == QAbstractItemDelegate::SubmitModelCache && !refused_) moveToNextCell();
    refused_ = false;
}

}  // namespace marlo
