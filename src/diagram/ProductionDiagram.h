#pragma once

#include "diagram/DiagramLayout.h"
#include "i18n/StringCatalogue.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// The cutting diagram of a production job: the pages of every material with a plan, in the job's
// order, each material's pages headed by its name, dated today.
DiagramLayout composeProductionDiagram(const ProductionJob& job, const ProductionPlan& plan,
                                       const StringCatalogue& catalogue, char decimalSeparator);

}  // namespace marlo
