#pragma once

#include <QUndoCommand>
#include <vector>

#include "model/ProductionJob.h"

namespace marlo {

class ProductionMaterialsGrid;

// A change of the job's material settings in the materials grid, a step on the window's undo
// stack. It keeps the job's whole list of materials before and after: a job names few materials,
// and so an entry the change added goes again on undo. The push of a step makes its change.
class MaterialsStep : public QUndoCommand {
  public:
    MaterialsStep(ProductionMaterialsGrid& grid, std::vector<JobMaterial> before,
                  std::vector<JobMaterial> after);

    void undo() override;
    void redo() override;

  private:
    ProductionMaterialsGrid& grid_;
    std::vector<JobMaterial> before_;
    std::vector<JobMaterial> after_;
};

}  // namespace marlo
