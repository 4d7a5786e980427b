#pragma once

#include <string>

#include "i18n/StringCatalogue.h"
#include "jobfile/ProductionJobFile.h"
#include "model/ProductionJobFromJob.h"

namespace marlo {

// The messages of production jobs in the catalogue's language, made in one place for both
// programs. (Here because this is the lowest layer that sees both the job files and the texts.)

// Why the production job file at `path` could not be used; empty when it was read. A fault of a
// value names where it is in the file (a JSON pointer such as /parts/2/length) and the file.
std::string productionJobFileMessage(const ProductionJobFileRead& read, const std::string& path,
                                     const StringCatalogue& catalogue);

// A row of a *.opt job that became no part: "#3: " and why.
std::string leftOutRowMessage(const LeftOutRow& row, const StringCatalogue& catalogue);

}  // namespace marlo
