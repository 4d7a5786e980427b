#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::window_production_text {

// Catalogue offsets of a production job in the main window: its parts grid, its materials with
// where their rods come from, the summary of its plan, and its file dialogs.
inline constexpr int kParts = kWindowProductionTextsFirst;            // caption of the parts grid
inline constexpr int kMaterials = kWindowProductionTextsFirst + 1;    // caption of the materials
inline constexpr int kTotalLength = kWindowProductionTextsFirst + 2;  // column: mm of all pieces
inline constexpr int kRodsFrom = kWindowProductionTextsFirst + 3;   // column: where rods come from
inline constexpr int kFromStore = kWindowProductionTextsFirst + 4;  // %1: stock rows of the store
inline constexpr int kOneRodLength = kWindowProductionTextsFirst + 5;  // %1: the rod length in mm
inline constexpr int kRods = kWindowProductionTextsFirst + 6;          // column: rods of the plan
inline constexpr int kPrice = kWindowProductionTextsFirst + 7;         // column: price of the plan
inline constexpr int kWaste = kWindowProductionTextsFirst + 8;         // column: waste in mm
inline constexpr int kBound = kWindowProductionTextsFirst + 9;         // column: the lower bound
inline constexpr int kProven = kWindowProductionTextsFirst + 10;       // after a proven bound
inline constexpr int kNotPlanned = kWindowProductionTextsFirst + 11;   // a material without plan
inline constexpr int kOpenFilter = kWindowProductionTextsFirst + 12;   // open dialog's filter
inline constexpr int kSaveFilter = kWindowProductionTextsFirst + 13;   // save dialog's filter
inline constexpr int kBadLength = kWindowProductionTextsFirst + 14;    // %1: the longest length
inline constexpr int kBadPieces = kWindowProductionTextsFirst + 15;    // %1: the most pieces
inline constexpr int kStopped = kWindowProductionTextsFirst + 16;      // a plan cut short by Stop
inline constexpr int kExportPartsCheckList = kWindowProductionTextsFirst + 17;  // File menu command
inline constexpr int kPartsCheckListFilter = kWindowProductionTextsFirst + 18;  // CSV or PDF

}  // namespace marlo::window_production_text
