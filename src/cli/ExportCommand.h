#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

namespace marlo {

// `marlo-veen-cli export`: a production job's parts as the office's parts list (JOB.mvjob
// PARTS.csv|PARTS.xlsx), or a *.opt job as a production job of one material (JOB.opt JOB.mvjob)
// with the stored parameters, each flag overriding one. The arguments start with "export".
int runExportCommand(const std::vector<std::string>& arguments, std::ostream& err,
                     const SettingsStore& settings);

}  // namespace marlo
