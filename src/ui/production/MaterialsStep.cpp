#include "ui/production/MaterialsStep.h"

#include "ui/production/ProductionMaterialsGrid.h"

namespace marlo {

MaterialsStep::MaterialsStep(ProductionMaterialsGrid& grid, std::vector<JobMaterial> before,
                             std::vector<JobMaterial> after)
    : grid_(grid), before_(std::move(before)), after_(std::move(after)) {}

void MaterialsStep::undo() {
    grid_.applyMaterials(before_);
}

void MaterialsStep::redo() {
    grid_.applyMaterials(after_);
}

}  // namespace marlo
