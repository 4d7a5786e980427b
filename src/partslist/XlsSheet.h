#pragma once

#include <filesystem>
#include <string_view>

#include "partslist/SheetTable.h"

namespace marlo {

// A binary workbook (XLS, BIFF) is at most this large as a file.
inline constexpr std::size_t kMaxXlsFileBytes = 32 * 1024 * 1024;

// The chosen sheet (see chosenSheet) of the binary workbook at `path`, read with freexl: text,
// numbers, dates and times as the file keeps them. freexl leaves formula cells empty; their
// saved values come from the file's formula records (biffFormulaValues). freexl holds a sheet
// as a grid of cells; BIFF's own bounds (65,536 rows, 256 columns) keep that grid below some
// 300 MiB even for a hostile file; the caller refuses a file over kMaxXlsFileBytes or no regular
// file before. Encrypted for a workbook protected by a password.
SheetRead xlsSheet(const std::filesystem::path& path, std::string_view sheetChoice);

}  // namespace marlo
