#pragma once

#include <atomic>
#include <ostream>

#include "cli/CommandLine.h"
#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "model/MethodChoice.h"

namespace marlo {

// What every stage of one run reads: the command line, the parameters and method once the stored
// settings and the flags are put together, the texts of the chosen language, where messages go and
// the stop request.
struct RunContext {
    const CliOptions& options;
    const JobParameters& parameters;
    const MethodChoice& methodChoice;
    const StringCatalogue& catalogue;
    std::ostream& err;
    const std::atomic<bool>& stop;
};

}  // namespace marlo
