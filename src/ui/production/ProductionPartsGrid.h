#pragma once

#include <QWidget>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/ProductionJob.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QTableView;

namespace marlo {

class ProductionPartsModel;

// The parts of a production job in a grid edited in place, under its caption.
class ProductionPartsGrid : public QWidget {
    Q_OBJECT

  public:
    ProductionPartsGrid(const StringCatalogue& catalogue, WindowMessages& messages,
                        QWidget* parent);

    void loadTexts();
    // Shows these parts in place of the ones shown before.
    void showParts(const std::vector<PartRow>& parts);
    // The parts as they have been edited.
    const std::vector<PartRow>& parts() const;

  signals:
    // A part has changed.
    void partsEdited();

  private:
    const StringCatalogue& catalogue_;
    ProductionPartsModel* model_;
    QLabel* caption_;
    QTableView* table_;
};

}  // namespace marlo
