#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::window_output_text {

// Catalogue offsets of the texts of printing and of the printout's continuation pages.
inline constexpr int kNoPrinterForReport = kWindowOutputTextsFirst;       // "No printer ... PDF…"
inline constexpr int kNoPrinterForDiagram = kWindowOutputTextsFirst + 1;  // "... diagram as PDF"
inline constexpr int kPageNumber = kWindowOutputTextsFirst + 2;           // "Page %1 / %2"

}  // namespace marlo::window_output_text
