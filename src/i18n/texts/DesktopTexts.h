#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::desktop_text {

// The catalogue offsets of the desktop integration: editing commands, list files, recent jobs.
inline constexpr int kEditMenu = kDesktopTextsFirst;         // "Edit"
inline constexpr int kPasteList = kDesktopTextsFirst + 1;    // "Paste list"
inline constexpr int kImportList = kDesktopTextsFirst + 2;   // "Import list..."
inline constexpr int kExportList = kDesktopTextsFirst + 3;   // "Export list..."
inline constexpr int kRecentJobs = kDesktopTextsFirst + 4;   // "Recent jobs"
inline constexpr int kListFilter = kDesktopTextsFirst + 5;   // "All files (*.*)|*.*|CSV lists ..."
inline constexpr int kRefusedRows = kDesktopTextsFirst + 6;  // "These rows were not taken ..."
inline constexpr int kRow = kDesktopTextsFirst + 7;          // "Row ", followed by its number
// The reasons of refused rows, in the order of RowRefusal.
inline constexpr int kRefusalReasons = kDesktopTextsFirst + 8;
inline constexpr int kLongerRowsQuestion = kDesktopTextsFirst + 14;     // "Rows with ...: ", count
inline constexpr int kLongerRowsQuestionEnd = kDesktopTextsFirst + 15;  // ". Do you want ...?"
inline constexpr int kMoreRows = kDesktopTextsFirst + 16;       // "… and more rows: ", count
inline constexpr int kNoListRows = kDesktopTextsFirst + 17;     // "The text holds no row ..."
inline constexpr int kRecentJobGone = kDesktopTextsFirst + 18;  // "The file no longer ...: ", path
inline constexpr int kNotAListFile = kDesktopTextsFirst + 19;   // "This is not a list file ...: "

}  // namespace marlo::desktop_text
