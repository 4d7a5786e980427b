#pragma once

#include <atomic>
#include <ostream>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

namespace marlo {

// Exit statuses of marlo-veen-cli.
namespace exit_status {
inline constexpr int kFinished = 0;
inline constexpr int kNothing = 1;
inline constexpr int kBadUsage = 2;  // also a job file that cannot be read or is refused
inline constexpr int kAborted = 3;   // also a limit of the model
inline constexpr int kInterrupted = 4;
inline constexpr int kStockChanged = 5;  // a booking refused because the stock changed
inline constexpr int kStoreFailed = 6;   // the stock store failed or refused; nothing changed
}  // namespace exit_status

// Runs `marlo-veen-cli` with its arguments (without the program name). Parameters and language
// come from the settings store unless a flag overrides them; `stop` ends a run as the second
// press of Optimise does.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const SettingsStore& settings, const std::atomic<bool>& stop);

}  // namespace marlo
