#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsStore.h"

namespace marlo {

namespace settings {
// The job files opened or saved last, newest first, one path per line.
inline constexpr std::string_view kRecentJobs = "posledne zakazky";
}  // namespace settings

inline constexpr std::size_t kRecentJobCount = 5;

// The remembered paths, newest first, at most kRecentJobCount, without empty lines or repeats.
std::vector<std::string> readRecentJobs(const SettingsStore& store);

// Puts `path` first, drops its earlier place and keeps kRecentJobCount paths. A path with a line
// break cannot be kept in the list and is not remembered.
void rememberRecentJob(SettingsStore& store, std::string_view path);

void forgetRecentJob(SettingsStore& store, std::string_view path);

}  // namespace marlo
