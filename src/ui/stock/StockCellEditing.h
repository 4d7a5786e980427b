#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QVariant>
#include <QVariantList>

class QTableWidget;

namespace marlo {

// The cell editing of a Stock window table, as in a spreadsheet: Tab and Shift+Tab store the
// cell and go on to the next or previous editable cell of the same row (from its end round to
// its start), so that the keys never leave the table; Enter stores the cell.
//
// The window fills the table anew after every stored change. keep() before and restore() after
// the filling bring the current cell back, with its editor when one was open: the same column of
// the same row, found by the key its first cell keeps. A stored change may give a row a new key
// (and a new row gets its first): then it is the row whose key was not there before.
class StockCellEditing : public QStyledItemDelegate {
  public:
    explicit StockCellEditing(QTableWidget* table);

    void keep();
    void restore();

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // To the next (or previous) editable cell of the current row; opens its editor if `edit`.
    void moveInRow(bool forward, bool edit);
    QVariant keyOf(int row) const;

    QTableWidget* table_;
    mutable QPointer<QWidget> editor_;  // the open editor, if any
    QVariantList keptKeys_;
    QVariant keptKey_;
    int keptColumn_ = -1;
    bool keptEditing_ = false;
};

}  // namespace marlo
