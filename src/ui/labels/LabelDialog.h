#pragma once

#include <QDialog>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "labels/LabelSettings.h"
#include "labels/PagedDocument.h"
#include "labels/PieceLabels.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace marlo {

class LabelPreview;

// Asks for the label layout and the sticker to start at on a partly used sheet, and shows the
// first page as it will come out. The start position offered never leaves the sheet.
class LabelDialog : public QDialog {
  public:
    // The offcuts' labels follow the pieces'.
    LabelDialog(QWidget* parent, const StringCatalogue& catalogue, std::vector<PieceLabel> labels,
                std::vector<OffcutLabel> offcuts, const LabelSettings& initial);

    LabelSettings choice() const;
    // All labels laid out as chosen.
    PagedDocument document() const;

  private:
    void recompose();

    const StringCatalogue& catalogue_;
    std::vector<PieceLabel> labels_;
    std::vector<OffcutLabel> offcuts_;
    QComboBox* layoutBox_;
    QSpinBox* startBox_;
    QLabel* summary_;
    LabelPreview* preview_;
};

}  // namespace marlo
