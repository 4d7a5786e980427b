#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "partslist/ColumnMapping.h"
#include "partslist/SheetTable.h"
#include "ui/common/WindowMessages.h"

class QComboBox;
class QPushButton;

namespace marlo {

// Lets the operator say which column of a parts list's sheet holds each field of the parts
// (mark, material, length, pieces, order, note, angles), with the sheet's first rows in view:
// for a list whose header the import does not recognise, or whenever the operator asks. OK
// needs the length, pieces and material.
class PartsColumnsDialog : public QDialog {
    Q_OBJECT

  public:
    // `chosen`: the columns to show chosen at first (the remembered or the recognised ones).
    PartsColumnsDialog(QWidget* parent, const WindowMessages& messages, const SheetTable& table,
                       const ColumnPlaces& chosen);

    // The choices as a column mapping, each column by its letters ("mark=A,length=D").
    std::string mapping() const;

  private:
    void enableOk();

    std::array<QComboBox*, kPartColumnCount> choices_{};
    QPushButton* ok_ = nullptr;
};

}  // namespace marlo
