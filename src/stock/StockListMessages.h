#pragma once

#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "jobfile/StockListText.h"

namespace marlo {

// Why a stock list file, read as `read` from `path`, cannot be used, a message a line: that it
// cannot be read, is no stock list or is too large (naming the file), or each refused line with
// its number. Empty when the list can be used.
std::vector<std::string> stockListFaults(const StockListFileRead& read, const std::string& path,
                                         const StringCatalogue& catalogue);

}  // namespace marlo
