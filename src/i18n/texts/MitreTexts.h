#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::mitre_text {

// Catalogue offsets of pieces with angled ends.
inline constexpr int kNoProfileHeight = kMitreTextsFirst;  // why a material cannot be planned
// The saw sheet of angled pieces.
inline constexpr int kLyingOnReference = 1701;  // %1 start, %2 end on the reference face
inline constexpr int kCutsAtEnds = 1702;        // %1 the first cut, %2 the second
inline constexpr int kSharedFirstCut = 1703;
inline constexpr int kTurnedOver = 1704;
inline constexpr int kAngleNote = 1705;

}  // namespace marlo::mitre_text
