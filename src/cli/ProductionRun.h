#pragma once

#include <ostream>
#include <string>

#include "cli/RunContext.h"

namespace marlo {

// `optimise JOB.mvjob`: plans every material of the production job, from the store's stock of the
// material of that name or, where the store has none, from rods of the material's rod length;
// prints the plans (table or JSON) on `out`, books them when asked and writes the outputs asked
// for. The exit status: finished only when every part is in a plan that ran to its end.
int optimiseProductionJob(const RunContext& run, const std::string& storeUrl, std::ostream& out);

}  // namespace marlo
