#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo {

// The sheet a parts list is read from, of a workbook's sheets in their order: the first one for
// an empty choice; else the sheet of that name (letter case and accents ignored, as spreadsheets
// keep names unique that way); else, for a number, the sheet at that 1-based place. Nothing
// when no sheet fits.
std::optional<std::size_t> chosenSheet(const std::vector<std::string>& names,
                                       std::string_view choice);

}  // namespace marlo
