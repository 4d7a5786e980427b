#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::mitre_text {

// Catalogue offsets of pieces with angled ends.
inline constexpr int kNoProfileHeight = kMitreTextsFirst;  // why a material cannot be planned

}  // namespace marlo::mitre_text
