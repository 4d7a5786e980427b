#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::production_material_text {

// Catalogue offsets of a production job's materials in the main window: each material's progress
// while the job is planned, a name the store does not know and the choice of the store's material
// it means, and the export of the job's parts list.
inline constexpr int kWaiting = kProductionMaterialTextsFirst;        // not planned yet
inline constexpr int kPlanning = kProductionMaterialTextsFirst + 1;   // planned now, no plan yet
inline constexpr int kRodsSoFar = kProductionMaterialTextsFirst + 2;  // %1: rods of the best plan
inline constexpr int kUnknownMaterial = kProductionMaterialTextsFirst + 3;  // tooltip of the name
inline constexpr int kChooseTitle = kProductionMaterialTextsFirst + 4;      // title of the choice
inline constexpr int kChooseLabel = kProductionMaterialTextsFirst + 5;      // %1: the job's name
inline constexpr int kExportPartsList = kProductionMaterialTextsFirst + 6;  // File menu command
inline constexpr int kPartsListFilter = kProductionMaterialTextsFirst + 7;  // CSV or XLSX
inline constexpr int kPartsListType = kProductionMaterialTextsFirst + 8;    // neither extension

}  // namespace marlo::production_material_text
