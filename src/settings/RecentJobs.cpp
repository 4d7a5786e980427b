#include "settings/RecentJobs.h"

#include <algorithm>

#include "settings/ProgramSettings.h"

namespace marlo {

namespace {

void saveRecentJobs(SettingsStore& store, const std::vector<std::string>& paths) {
    std::string value;
    for (const std::string& path : paths) {
        if (!value.empty()) value += '\n';
        value += path;
    }
    saveSetting(store, settings::kRecentJobs, value);
}

}  // namespace

std::vector<std::string> readRecentJobs(const SettingsStore& store) {
    const std::string value = readSetting(store, settings::kRecentJobs);
    std::vector<std::string> paths;
    size_t start = 0;
    while (start <= value.size() && paths.size() < kRecentJobCount) {
        const size_t end = std::min(value.find('\n', start), value.size());
        std::string path = value.substr(start, end - start);
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(std::move(path));
        start = end + 1;
    }
    return paths;
}

void rememberRecentJob(SettingsStore& store, std::string_view path) {
    if (path.empty() || path.find_first_of("\r\n") != std::string_view::npos) return;
    std::vector<std::string> paths = readRecentJobs(store);
    std::erase(paths, path);
    paths.insert(paths.begin(), std::string(path));
    if (paths.size() > kRecentJobCount) paths.resize(kRecentJobCount);
    saveRecentJobs(store, paths);
}

void forgetRecentJob(SettingsStore& store, std::string_view path) {
    std::vector<std::string> paths = readRecentJobs(store);
    if (std::erase(paths, path) > 0) saveRecentJobs(store, paths);
}

}  // namespace marlo
