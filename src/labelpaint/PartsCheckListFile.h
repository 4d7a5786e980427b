#pragma once

#include <string>

#include "i18n/StringCatalogue.h"
#include "labels/PartsCheckList.h"

namespace marlo {

// Writes a planned production job's parts check list to `path`: the CSV when the name ends in
// .csv (any case), the numbered PDF pages dated `date` otherwise. False when it cannot be written.
bool savePartsCheckList(const std::string& path, const ProductionJob& job,
                        const ProductionPlan& plan, const std::string& date,
                        const StringCatalogue& catalogue);

}  // namespace marlo
