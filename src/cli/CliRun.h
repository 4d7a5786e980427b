#pragma once

#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "diagram/DiagramLayout.h"
#include "settings/SettingsStore.h"

namespace marlo {

// Exit statuses of marlo-veen-cli.
namespace exit_status {
inline constexpr int kFinished = 0;
inline constexpr int kNothing = 1;
inline constexpr int kBadUsage = 2;  // also a job file that cannot be read or is refused
inline constexpr int kAborted = 3;   // also a limit of the model
inline constexpr int kInterrupted = 4;
}  // namespace exit_status

// Writes the composed cutting diagram to a .pdf or .svg file under the given title; false when
// the file cannot be written. The drawing needs Qt's painting, which the core does not link.
using DiagramWriter = std::function<bool(const DiagramLayout& layout, const std::string& path,
                                         const std::string& title)>;

// Runs `marlo-veen-cli` with its arguments (without the program name). Parameters and language
// come from the settings store unless a flag overrides them; `stop` ends a run as the second
// press of Optimise does. Without a diagram writer, --diagram is refused.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const SettingsStore& settings, const std::atomic<bool>& stop,
           const DiagramWriter& writeDiagram = {});

}  // namespace marlo
