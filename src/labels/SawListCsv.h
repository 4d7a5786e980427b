#pragma once

#include <string>

#include "labels/SawList.h"

namespace marlo {

// The saw list as CSV for a saw's controller or a spreadsheet: UTF-8, fields separated by ';',
// lines ended by '\n', the header row
// pattern;rods;stock_length;stock_id;cut;length;position;row
// then one line per piece of each pattern in cutting order; `cut` counts the pieces of the
// pattern from 1 and `stock_id` is empty for a new rod. An identifier holding ';', '"' or a line
// break is quoted.
std::string sawListCsv(const SawList& saw);

}  // namespace marlo
