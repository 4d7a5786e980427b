#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

namespace marlo {

// `marlo-veen-cli import PARTS -o JOB.mvjob [--sheet NAME|N] [--columns LIST]
// [--material-default NAME] [--language xx]`: the office's parts list (CSV, TSV, XLSX, ODS, XLS)
// as a production job. Every row that cannot be read is named on `err` with its number and why.
// The exit status: finished when parts were imported, bad usage when none could be read (and
// then nothing is written). The arguments start with "import".
int runImportCommand(const std::vector<std::string>& arguments, std::ostream& err,
                     const SettingsStore& settings);

}  // namespace marlo
