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

// The outputs for the saw and the office: labels, saw sheet, parts check list.
inline constexpr int kPartsCheckList = kProductionOutputTextsFirst;  // the check list's title
inline constexpr int kPartNumber = 1511;    // caption of the part's number in the job: "No."
inline constexpr int kPieceCaption = 1512;  // caption of a part's piece: "Piece"
inline constexpr int kCutFrom = 1513;       // caption of where a piece is cut
inline constexpr int kPatternRod = 1514;    // %1 the pattern, %2 its rod: "P2 rod 3"
inline constexpr int kNotCut = 1515;        // a piece in no plan
inline constexpr int kRodRun = 1516;        // rods of a pattern: %1 the first, %2 the last
inline constexpr int kSingleRod = 1517;     // one rod of a pattern: %1
inline constexpr int kPiecesCut = 1518;     // %1 pieces cut of %2

}  // namespace marlo::plan_text
