#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::window_import_text {

// Catalogue offsets of importing a parts list in the main window: its File menu commands, the
// open dialog, the sheet choice, the column dialog and the dialog of rows that could not be read.
inline constexpr int kImportPartsList = kWindowImportTextsFirst;         // File menu command
inline constexpr int kImportWithColumns = kWindowImportTextsFirst + 1;   // File menu command
inline constexpr int kOpenFilter = kWindowImportTextsFirst + 2;          // open dialog's filter
inline constexpr int kSheetTitle = kWindowImportTextsFirst + 3;          // sheet choice's title
inline constexpr int kSheetQuestion = kWindowImportTextsFirst + 4;       // and its question
inline constexpr int kColumnsTitle = kWindowImportTextsFirst + 5;        // column dialog's title
inline constexpr int kColumnsExplanation = kWindowImportTextsFirst + 6;  // above its choices
inline constexpr int kNoColumn = kWindowImportTextsFirst + 7;            // a column not in the list
inline constexpr int kRefusedTitle = kWindowImportTextsFirst + 8;        // refused rows' title
inline constexpr int kRefusedExplanation = kWindowImportTextsFirst + 9;  // above their grid
inline constexpr int kRowColumn = kWindowImportTextsFirst + 10;          // column: row number
inline constexpr int kReasonColumn = kWindowImportTextsFirst + 11;       // column: why refused
inline constexpr int kNotImported = kWindowImportTextsFirst + 12;        // before those rows
inline constexpr int kNoParts = kWindowImportTextsFirst + 13;            // a list of no part
inline constexpr int kFirstRows = kWindowImportTextsFirst + 14;          // caption of the rows
inline constexpr int kMoreProblems = kWindowImportTextsFirst + 15;       // %1 more rows left out

}  // namespace marlo::window_import_text
