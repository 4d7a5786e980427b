#pragma once

#include <QDialog>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace marlo {

// The item edit dialog: changes the dimension and pieces of one list row. exec() returns
// Accepted only when OK took a changed row that passes the entry checks; the new texts are then
// in item(). OK without a change, Cancel and closing the window return Rejected.
class ItemEditDialog : public QDialog {
    Q_OBJECT

  public:
    ItemEditDialog(const StringCatalogue& catalogue, const CutItem& row, QWidget* parent = nullptr);

    CutItem item() const;

  private:
    void acceptChangedRow();

    CutItem initial_;
    QLabel* dimensionCaption_;
    QLabel* piecesCaption_;
    QLineEdit* dimensionBox_;
    QLineEdit* piecesBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace marlo
