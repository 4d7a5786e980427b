#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "model/JobParameters.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QTableWidget;
class QUndoStack;

namespace marlo {

class ProductionPartsGrid;

// A production job on the main window's form, in place of the cutting list: its parts in a grid
// edited in place, and beside it its materials with their pieces, total length and where their
// rods come from, which after a run also sum up each material's plan (rods, price, waste, bound)
// under the job's price. Choosing a planned material asks for its plan in the result grid.
class ProductionJobView : public QWidget {
    Q_OBJECT

  public:
    // The edits of the parts are steps of `steps`.
    ProductionJobView(const StringCatalogue& catalogue, WindowMessages& messages, QUndoStack& steps,
                      QWidget* parent);

    void loadTexts();
    // Shows the job's parts and materials. `storeRows`: the stock rows the store holds of each
    // material it has stock of; the others are cut from their rod length under `parameters`.
    void showJob(const ProductionJob& job, std::map<std::string, int> storeRows,
                 const JobParameters& parameters);
    // The parameters the materials without a rod length of their own are cut under.
    void showParameters(const JobParameters& parameters);
    // The parts as they have been edited.
    const std::vector<PartRow>& parts() const;
    // The parts grid's table, which takes the window's Paste command while it has the focus, and
    // the paste of the clipboard's cells into it.
    QWidget* partsTable() const;
    void pasteParts();
    // The plan of every material beside it; the first material with a plan is chosen.
    void showPlan(const ProductionPlan& plan);
    void clearPlan();

  signals:
    // A part has been changed, added or deleted.
    void partsEdited();
    // The material at this index of the plan has been chosen.
    void materialChosen(int index);

  private:
    void showMaterials();
    void chooseMaterial();

    const StringCatalogue& catalogue_;
    ProductionPartsGrid* partsGrid_;
    QLabel* materialsCaption_;
    QTableWidget* materialsGrid_;
    QLabel* jobPrice_;
    ProductionJob job_;  // the job as shown, its parts as edited
    std::map<std::string, int> storeRows_;
    JobParameters parameters_;
    bool planShown_ = false;
};

}  // namespace marlo
