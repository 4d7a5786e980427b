#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::mitre_window_text {

// Catalogue offsets of the settings of angled cuts in the main window's materials grid: the
// profile height and whether pieces may be turned over.
inline constexpr int kProfileHeight = kMitreWindowTextsFirst;         // column caption
inline constexpr int kTurnOver = kMitreWindowTextsFirst + 1;          // column caption
inline constexpr int kProfileHeightTip = kMitreWindowTextsFirst + 2;  // the column's tooltip
inline constexpr int kTurnOverTip = kMitreWindowTextsFirst + 3;       // the column's tooltip
inline constexpr int kBadProfileHeight = kMitreWindowTextsFirst + 4;  // %1: the largest height
inline constexpr int kHeightNeeded = kMitreWindowTextsFirst + 5;      // tooltip of an empty height

}  // namespace marlo::mitre_window_text
