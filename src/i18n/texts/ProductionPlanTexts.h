#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::plan_text {

// Catalogue offsets of the texts of planning a production job, material by material.
inline constexpr int kMaterialHeading = kProductionPlanTextsFirst;  // followed by the name
inline constexpr int kCannotPlanMaterial = 1501;  // %1: the material; followed by the reason
inline constexpr int kPartNotCut = 1502;          // %1: part number, %2: mark; then the reason
inline constexpr int kJobPrice = 1503;            // caption of the job's total price
inline constexpr int kMaterialPlanned = 1504;     // progress: %1 material, %2 rods
inline constexpr int kAllMaterials = 1505;        // caption before proven / not proven
inline constexpr int kNoParts = 1506;             // a job without parts to plan
inline constexpr int kSummarySheet = 1507;        // the workbook's sheet of every material

}  // namespace marlo::plan_text
