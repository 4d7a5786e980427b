#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

class QLabel;
class QTableWidget;

namespace marlo {

// The materials of a production job under its parts: each with its pieces, total length and
// where its rods come from, which after a run also sum up each material's plan (rods, price,
// waste, bound) under the job's price. Choosing a planned material asks for its plan.
class ProductionMaterialsGrid : public QWidget {
    Q_OBJECT

  public:
    ProductionMaterialsGrid(const StringCatalogue& catalogue, QWidget* parent);

    void loadTexts();
    // `storeRows`: the stock rows the store holds of each material it has stock of; the others
    // are cut from their rod length under `parameters`.
    void showJob(const ProductionJob& job, std::map<std::string, int> storeRows,
                 const JobParameters& parameters);
    // The parts have been edited: the materials' sums follow.
    void showParts(const std::vector<PartRow>& parts);
    void showParameters(const JobParameters& parameters);
    // The plan of every material beside it; the first material with a plan is chosen.
    void showPlan(const ProductionPlan& plan);
    void clearPlan();

  signals:
    // The material at this index of the plan has been chosen.
    void materialChosen(int index);

  private:
    void showMaterials();
    void chooseMaterial();

    const StringCatalogue& catalogue_;
    QLabel* caption_;
    QTableWidget* grid_;
    QLabel* jobPrice_;
    ProductionJob job_;
    std::map<std::string, int> storeRows_;
    JobParameters parameters_;
    bool planShown_ = false;
};

}  // namespace marlo
