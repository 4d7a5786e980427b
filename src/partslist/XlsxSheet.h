#pragma once

#include <string>
#include <string_view>

#include "partslist/SheetTable.h"

namespace marlo {

// The chosen sheet (see chosenSheet) of an Office Open XML workbook's bytes (XLSX): its text
// cells, shared or inline, and its number cells; a formula gives the value it was saved with and
// is never evaluated. Encrypted for a workbook protected by a password (a compound file instead
// of a zip container).
SheetRead xlsxSheet(std::string bytes, std::string_view sheetChoice);

}  // namespace marlo
