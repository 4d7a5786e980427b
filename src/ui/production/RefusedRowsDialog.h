#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "model/Part.h"
#include "partslist/PartColumns.h"
#include "partslist/PartsImport.h"
#include "ui/common/WindowMessages.h"

class QTableWidget;

namespace marlo {

// A row of a parts list that gave no part: why, and its cells in the order of PartColumn.
struct RefusedRow {
    RowProblem problem;
    std::array<std::string, kPartColumnCount> cells;
};

// Lists the rows of a parts list that could not be read, with their number, their reason and
// their cells in the parts' columns, editable: a row the operator corrects is read again at once
// (its reason then goes) and becomes a part on OK. Every row that still gives no part, or every
// row after Cancel, stays refused, so that the caller names it.
class RefusedRowsDialog : public QDialog {
    Q_OBJECT

  public:
    RefusedRowsDialog(QWidget* parent, const WindowMessages& messages,
                      std::vector<RefusedRow> rows);

    struct Outcome {
        std::vector<Part> parts;           // of the corrected rows, in the list's order
        std::vector<RowProblem> refused;   // the rest
        std::vector<RowProblem> warnings;  // of the corrected rows
    };
    Outcome outcome() const;

  private:
    void rowEdited(int row);
    RefusedRow shownRow(int row) const;

    const WindowMessages& messages_;
    std::vector<RefusedRow> rows_;
    QTableWidget* grid_;
};

}  // namespace marlo
