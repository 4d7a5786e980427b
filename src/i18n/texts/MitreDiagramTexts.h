#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::mitre_diagram_text {

// Catalogue offsets of the cutting diagram's pieces with angled ends.
inline constexpr int kReferenceFaceBelow = kMitreDiagramTextsFirst;  // which edge is which face

}  // namespace marlo::mitre_diagram_text
