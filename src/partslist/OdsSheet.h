#pragma once

#include <string>
#include <string_view>

#include "partslist/SheetTable.h"

namespace marlo {

// The chosen table (see chosenSheet) of an OpenDocument spreadsheet's bytes (ODS): its text and
// number cells, a formula's value as it was saved. Repeated rows and cells are expanded only
// while they hold text and stay within the table's bounds; the empty rows and columns that
// spreadsheets save by the million are counted, never held. Encrypted for a document protected
// by a password.
SheetRead odsSheet(std::string bytes, std::string_view sheetChoice);

}  // namespace marlo
