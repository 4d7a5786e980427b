#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::saw_text {

// Catalogue offsets of the piece labels, the offcut labels and the saw list.
inline constexpr int kPattern = kSawOutputTextsFirst;               // "Pattern"
inline constexpr int kRod = kSawOutputTextsFirst + 1;               // "rod"
inline constexpr int kOf = kSawOutputTextsFirst + 2;                // "of"
inline constexpr int kPiece = kSawOutputTextsFirst + 3;             // "piece"
inline constexpr int kRow = kSawOutputTextsFirst + 4;               // "Row"
inline constexpr int kOrigin = kSawOutputTextsFirst + 5;            // "Origin"
inline constexpr int kPrintLabels = kSawOutputTextsFirst + 6;       // "Print labels…"
inline constexpr int kExportLabels = kSawOutputTextsFirst + 7;      // "Export labels as PDF…"
inline constexpr int kPrintSawList = kSawOutputTextsFirst + 8;      // "Print saw list…"
inline constexpr int kExportSawSheet = kSawOutputTextsFirst + 9;    // "Export saw list as PDF…"
inline constexpr int kExportSawCsv = kSawOutputTextsFirst + 10;     // "Export saw list as CSV…"
inline constexpr int kLabels = kSawOutputTextsFirst + 11;           // "Labels"
inline constexpr int kLayout = kSawOutputTextsFirst + 12;           // "Layout"
inline constexpr int kStartAt = kSawOutputTextsFirst + 13;          // "Start at sticker"
inline constexpr int kSawList = kSawOutputTextsFirst + 14;          // "Saw list"
inline constexpr int kRods = kSawOutputTextsFirst + 15;             // "Rods"
inline constexpr int kStockLength = kSawOutputTextsFirst + 16;      // "Stock length"
inline constexpr int kCut = kSawOutputTextsFirst + 17;              // "Cut"
inline constexpr int kLength = kSawOutputTextsFirst + 18;           // "Length"
inline constexpr int kPosition = kSawOutputTextsFirst + 19;         // "Position"
inline constexpr int kLeftover = kSawOutputTextsFirst + 20;         // "Leftover"
inline constexpr int kKept = kSawOutputTextsFirst + 21;             // "keep"
inline constexpr int kWaste = kSawOutputTextsFirst + 22;            // "waste"
inline constexpr int kStartNotOnSheet = kSawOutputTextsFirst + 23;  // followed by the position
inline constexpr int kUnknownLayout = kSawOutputTextsFirst + 24;    // followed by the name
inline constexpr int kCsvFilter = kSawOutputTextsFirst + 25;        // "All files (*.*)|*.*|CSV ..."
// The layouts' descriptions, in the order of labelSheetLayouts().
inline constexpr int kFirstLayoutName = kSawOutputTextsFirst + 26;  // 26..29
inline constexpr int kTrim = kSawOutputTextsFirst + 30;             // "Trim"
inline constexpr int kNewRod = kSawOutputTextsFirst + 31;           // "new rod"
inline constexpr int kPages = kSawOutputTextsFirst + 32;            // "Pages"
inline constexpr int kPositionNote = kSawOutputTextsFirst + 33;     // how positions are measured
inline constexpr int kOffcut = kSawOutputTextsFirst + 34;
inline constexpr int kNoPrinterForLabels = kSawOutputTextsFirst + 35;  // "No printer ... PDF…"
inline constexpr int kNoPrinterForSawList =
    kSawOutputTextsFirst + 36;  // "No printer ... PDF…"           // "Offcut"

}  // namespace marlo::saw_text
