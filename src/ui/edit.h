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
class edit : public QDialog {
    Q_OBJECT

  public:
    edit(const StringCatalogue& catalogue, const CutItem& row, QWidget* parent = nullptr);

    CutItem item() const;

  private:
    void Command1_Click();

    CutItem initial_;
    QLabel* Label1_;
    QLabel* Label2_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QPushButton* Command1_;
    QPushButton* Command2_;
};

}  // namespace marlo
