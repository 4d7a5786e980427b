#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

namespace marlo {

// `marlo-veen-cli stock list|import|export`: the workshop's stock store from the command line.
// The arguments start with "stock". Every store error is named in the chosen language, and a
// change that failed has changed nothing.
int runStockCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const SettingsStore& settings);

}  // namespace marlo
