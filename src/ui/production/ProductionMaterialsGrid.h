#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "model/ProductionJob.h"
#include "model/StockList.h"
#include "production/ProductionPlanning.h"
#include "ui/common/WindowMessages.h"

class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QUndoStack;

namespace marlo {

// What the stock store holds for a production job's materials, as far as it can tell.
struct StoreMaterials {
    std::vector<std::string> names;          // every material of the store
    std::map<std::string, StockList> stock;  // the job's materials it has stock to cut of
};

// The materials of a production job under its parts: each with its pieces, total length, the cut
// thickness and trim it is planned with and where its rods come from; while the job is planned
// each material's progress, and after a run the sum of its plan (rods, price, waste, bound) under
// the job's price. A name the store does not know (while it knows others) is marked, and a
// double-click on it offers the store's materials. Choosing a planned material asks for its plan.
// While a part has angled ends, each material whose parts have them shows its profile height and
// whether its pieces may be turned over, edited in place: each change is a step of `steps`.
class ProductionMaterialsGrid : public QWidget {
    Q_OBJECT

  public:
    ProductionMaterialsGrid(const StringCatalogue& catalogue, WindowMessages& messages,
                            QUndoStack& steps, QWidget* parent);

    void loadTexts();
    // The materials without stock in `store` are cut from their rod length under `parameters`.
    void showJob(const ProductionJob& job, StoreMaterials store, const JobParameters& parameters);
    // What the store holds of the job's materials, after their names have changed.
    void showStore(StoreMaterials store);
    // The parts have been edited: the materials' sums follow.
    void showParts(const std::vector<PartRow>& parts);
    void showParameters(const JobParameters& parameters);
    // How far each material's run has come, in the plan's order.
    void showProgress(const std::vector<MaterialProgress>& progress);
    // The plan of every material beside it; the first material with a plan is chosen.
    void showPlan(const ProductionPlan& plan);
    void clearPlan();
    // The job's materials with the settings as they have been edited.
    const std::vector<JobMaterial>& materials() const { return job_.materials; }
    // The change of a step, unrecorded.
    void applyMaterials(const std::vector<JobMaterial>& materials);

  signals:
    // A material's setting has been changed.
    void materialsEdited();
    // The material at this index of the plan has been chosen.
    void materialChosen(int index);
    // The job's material `name` is the store's material `storeName`.
    void storeMaterialChosen(const std::string& name, const std::string& storeName);

  private:
    void showMaterials();
    // The cell at `row`, `column` showing `text`, plain and read-only. The cell is changed in
    // place, so that the cell being edited survives the change its edit makes.
    QTableWidgetItem* showCell(int row, int column, const QString& text, bool number);
    // The profile height and turning of the material in this row.
    void showAngleSettings(int row, const JobMaterial* settings, bool angled);
    // A profile height or turning changed in its cell becomes a step, or is refused.
    void takeSetting(QTableWidgetItem* item);
    void chooseMaterial();
    // The store's material that the job's material of this row is, asked of the operator.
    void chooseStoreMaterial(int row);
    bool unknownToStore(const std::string& name) const;
    QString rodsFrom(const std::string& name, const JobParameters& parameters) const;

    const StringCatalogue& catalogue_;
    WindowMessages& messages_;
    QUndoStack& steps_;
    QLabel* caption_;
    QTableWidget* grid_;
    QLabel* jobPrice_;
    ProductionJob job_;
    StoreMaterials store_;
    JobParameters parameters_;
    bool planShown_ = false;
};

}  // namespace marlo
