#pragma once

#include "i18n/CatalogueTexts.h"

// Catalogue offsets of the texts of the PDF export, the command line's outputs and the messages
// of documents that cannot be opened.
namespace marlo::output_text {
inline constexpr int kExportPdf = kOutputTextsFirst;                    // "Export PDF…"
inline constexpr int kPdfFilter = kOutputTextsFirst + 1;                // filter of its save dialog
inline constexpr int kOutputIsTheJobFile = kOutputTextsFirst + 2;       // followed by the path
inline constexpr int kCannotOpenDocumentation = kOutputTextsFirst + 3;  // followed by its address
inline constexpr int kCannotOpenMail = kOutputTextsFirst + 4;  // followed by the mail address
}  // namespace marlo::output_text
