#pragma once

#include <QTableView>

namespace marlo {

// The table of the parts grid with the keys of the cutting list: Enter stores a cell and moves on
// to the next cell of the row, from its last cell to the first of the next row (a refused cell
// keeps the cursor); Insert and Delete ask the grid for a new part and for deleting the selected
// ones.
class ProductionPartsTable : public QTableView {
    Q_OBJECT

  public:
    explicit ProductionPartsTable(QWidget* parent);

    // A cell was refused: when it is the one being stored, Enter stays on it.
    void refuseCell() { refused_ = state() == EditingState; }
    void moveToNextCell();

  signals:
    void insertPressed();
    void deletePressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    bool refused_ = false;
};

}  // namespace marlo
