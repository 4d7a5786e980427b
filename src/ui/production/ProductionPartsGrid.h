#pragma once

#include <QWidget>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/ProductionJob.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QLineEdit;
class QToolButton;
class QUndoStack;

namespace marlo {

class ProductionPartsFilter;
class ProductionPartsModel;
class ProductionPartsTable;

// The parts of a production job in a grid edited in place, under its caption, with boxes that
// filter the parts by material and order and buttons that add a part and delete the selected
// ones. A click on a column's caption sorts the view by it (again: the other way, a third time:
// the job's order); the job keeps its order. Every change is a step of `steps`.
class ProductionPartsGrid : public QWidget {
    Q_OBJECT

  public:
    ProductionPartsGrid(const StringCatalogue& catalogue, WindowMessages& messages,
                        QUndoStack& steps, QWidget* parent);

    void loadTexts();
    // Shows these parts in place of the ones shown before, unfiltered in the job's order.
    void showParts(const std::vector<PartRow>& parts);
    // The parts as they have been edited.
    const std::vector<PartRow>& parts() const;
    // The table, which takes the window's Paste command while it has the focus.
    QWidget* table() const;
    // The spreadsheet cells of the clipboard, from the current cell on (see
    // ProductionPartsModel::paste): the rows shown below it, then new parts at the end.
    void paste();

  signals:
    // A part has been changed, added or deleted.
    void partsEdited();

  private:
    void addPart();
    void insertPart();
    // A new part at this row of the job.
    void addPartAt(int row);
    void deleteSelectedParts();
    // A new part: the current part's material, order, length and angles, without mark, note or
    // pieces, so that it shows under the filter and can be saved as it is.
    PartRow newPart() const;
    // The job's row of the current part, or -1.
    int currentPart() const;
    void showPart(int row);
    void filter();
    // The angle columns are shown while a part has an angle.
    void showAngleColumns();

    const StringCatalogue& catalogue_;
    WindowMessages& messages_;
    ProductionPartsModel* model_;
    ProductionPartsFilter* view_;
    QLabel* caption_;
    QLabel* filterCaption_;
    QLineEdit* materialFilter_;
    QLineEdit* orderFilter_;
    QToolButton* addButton_;
    QToolButton* deleteButton_;
    ProductionPartsTable* table_;
};

}  // namespace marlo
