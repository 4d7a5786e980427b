#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace marlo {

// The values that the formula cells of one sheet of an XLS workbook were saved with, by 0-based
// row and column. freexl reads such cells as empty; these are what Excel and Calc show in them.
using FormulaValues = std::map<std::pair<uint32_t, uint32_t>, std::string>;

// The formula values of the sheet named `sheetName` (as freexl names it), else of the sheet at
// `sheetIndex` among the worksheets, in the workbook's bytes. Empty when the file holds none or
// cannot be read this way.
FormulaValues biffFormulaValues(std::string_view fileBytes, std::string_view sheetName,
                                std::size_t sheetIndex);

}  // namespace marlo
