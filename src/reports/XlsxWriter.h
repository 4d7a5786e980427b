#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "i18n/StringCatalogue.h"
#include "reports/SpreadsheetModel.h"

namespace marlo {

// Writes the sheet as the only worksheet of a new .xlsx workbook, replacing the file only once
// the workbook is complete (as every save does). False when the file cannot be written.
bool writeXlsx(const SpreadsheetModel& sheet, const std::filesystem::path& path);

// A worksheet of a workbook of several, with the name its tab shows.
struct NamedSheet {
    std::string name;
    SpreadsheetModel sheet;
};

// Writes the sheets in their order as the worksheets of a new workbook, as writeXlsx does. Names
// are made fit for a tab (at most 31 characters, none of []:*?/\, unique).
bool writeXlsx(std::span<const NamedSheet> sheets, const std::filesystem::path& path);

// A path in `folder` that no file has yet, named after the job file (or, for a job without
// one, the localised word for "New") with the extension .xlsx; a number in brackets makes it
// unique.
std::filesystem::path uniqueSpreadsheetPath(const std::string& jobFileName,
                                            const StringCatalogue& catalogue,
                                            const std::filesystem::path& folder);

}  // namespace marlo
