#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "model/JobParameters.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"
#include "ui/common/WindowMessages.h"
#include "ui/production/ProductionMaterialsGrid.h"

class QUndoStack;

namespace marlo {

class ProductionPartsGrid;

// A production job on the main window's form, in place of the cutting list: its parts in a grid
// edited in place, and under it its materials (ProductionMaterialsGrid) with the settings of their
// angled cuts, which after a run sum up each material's plan. Choosing a planned material asks for
// its plan in the result grid.
class ProductionJobView : public QWidget {
    Q_OBJECT

  public:
    // The edits of the parts and of the materials' settings are steps of `steps`.
    ProductionJobView(const StringCatalogue& catalogue, WindowMessages& messages, QUndoStack& steps,
                      QWidget* parent);

    void loadTexts();
    // Shows the job's parts and materials; the materials without stock in `store` are cut from
    // their rod length under `parameters`.
    void showJob(const ProductionJob& job, StoreMaterials store, const JobParameters& parameters);
    // What the store holds of the job's materials, after their names have changed.
    void showStore(StoreMaterials store);
    // The parameters the materials without a rod length of their own are cut under.
    void showParameters(const JobParameters& parameters);
    // The parts as they have been edited.
    const std::vector<PartRow>& parts() const;
    // The materials' settings as they have been edited.
    const std::vector<JobMaterial>& materials() const;
    // The parts grid's table, which takes the window's Paste command while it has the focus, and
    // the paste of the clipboard's cells into it.
    QWidget* partsTable() const;
    void pasteParts();
    // The plan of every material beside it; the first material with a plan is chosen.
    void showPlan(const ProductionPlan& plan);
    void clearPlan();
    // How far each material's run has come while the job is planned.
    void showProgress(const std::vector<MaterialProgress>& progress);

  signals:
    // A part has been changed, added or deleted.
    void partsEdited();
    // A material's setting has been changed.
    void materialsEdited();
    // The material at this index of the plan has been chosen.
    void materialChosen(int index);
    // The job's material `name` is the store's material `storeName`.
    void storeMaterialChosen(const std::string& name, const std::string& storeName);

  private:
    ProductionPartsGrid* partsGrid_;
    ProductionMaterialsGrid* materials_;
};

}  // namespace marlo
