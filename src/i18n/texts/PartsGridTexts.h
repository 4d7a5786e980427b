#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::parts_grid_text {

// Catalogue offsets of editing a production job's parts in the main window's grid: its filter,
// the angles typed in a cell and a paste that is refused.
inline constexpr int kFilter = kPartsGridTextsFirst;            // caption of the filter boxes
inline constexpr int kBadAngle = kPartsGridTextsFirst + 1;      // %1: the largest angle
inline constexpr int kPasteRefused = kPartsGridTextsFirst + 2;  // %1 row, %2 cell, %3 why
inline constexpr int kNoColumn = kPartsGridTextsFirst + 3;  // a pasted cell beyond the last column

}  // namespace marlo::parts_grid_text
