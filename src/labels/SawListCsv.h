#pragma once

#include <string>

#include "labels/SawList.h"

namespace marlo {

// The saw list as CSV for a saw's controller or a spreadsheet: UTF-8, fields separated by ';',
// lines ended by CR LF, the header row
// pattern;rods;stock_length;stock_id;cut;length;position;row
// then one line per piece of each pattern in cutting order; `cut` counts the pieces of the
// pattern from 1 and `stock_id` is empty for a new rod. A field holding ';' or a quote is quoted,
// and one a spreadsheet would run as a formula guarded, as in every CSV file the program writes.
std::string sawListCsv(const SawList& saw);

}  // namespace marlo
