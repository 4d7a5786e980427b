// Runs the fewest-rods method over the public bin-packing library BPPLIB and prints per class:
// how many instances reached the best known number of rods, how many were proven optimal, and the
// median and longest time of the run and of the proof (a proven plan may then still be matched in
// fewer patterns). The data is not part of the project (its licence does not allow it):
// unpack the library's benchmark archives and its bounds file (`Bounds.txt`: name, lower and upper
// bound per line; without it the method's own proofs are counted) into one folder and name it in
// MARLO_BPPLIB. Instances whose capacity or sizes
// do not fit a job file (above 32767) are left out. For the ANI instances the optimum is the upper
// bound: they are built one rod above their linear bound.
//
//   MARLO_BPPLIB=/path/to/bpplib build/bench/bpplib_benchmark [seconds, default 10]
//       [class filter] [threads, default 0: one per core] [most instances per class]
//
// With MARLO_BPPLIB_LIST set, every instance's name, whether it was proven, its seconds (of the
// run and to the proof) and its rods go to standard error as well.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "optimiser/fewest/FewestRods.h"

namespace marlo {
namespace {

namespace fs = std::filesystem;

struct Instance {
    std::string name;
    int capacity = 0;
    std::vector<int> sizes;
};

struct InstanceClass {
    std::string name;
    std::function<bool(const fs::path&)> holds;  // by the file's path below the folder
};

bool pathHas(const fs::path& path, const std::string& part) {
    return path.string().find(part) != std::string::npos;
}

std::map<std::string, int> optimaOf(const fs::path& boundsFile) {
    std::map<std::string, int> optima;
    std::ifstream in(boundsFile);
    std::string name;
    int lower = 0;
    int upper = 0;
    while (in >> name >> lower >> upper) optima[name] = upper;
    return optima;
}

bool readInstance(const fs::path& path, Instance& instance) {
    std::ifstream in(path);
    int count = 0;
    if (!(in >> count >> instance.capacity)) return false;
    instance.name = path.stem().string();
    instance.sizes.resize(static_cast<size_t>(count));
    for (int& size : instance.sizes)
        if (!(in >> size)) return false;
    const bool fits = instance.capacity <= 32767 && count <= PieceList::kCapacity;
    return fits && std::all_of(instance.sizes.begin(), instance.sizes.end(),
                               [&](int size) { return size >= 1 && size <= instance.capacity; });
}

std::unique_ptr<PieceList> pieceListOf(const Instance& instance) {
    std::vector<int> sorted = instance.sizes;
    std::sort(sorted.begin(), sorted.end(), std::greater<int>());
    auto list = std::make_unique<PieceList>();
    for (int size : sorted) list->append(static_cast<int16_t>(size));
    list->setInitialCount(list->count());
    return list;
}

// Every piece cut exactly once and no rod over its length.
bool isValidPlan(const CuttingPlan& plan, const Instance& instance) {
    std::map<int, int> left;
    for (int size : instance.sizes) ++left[size];
    for (const RodPattern& pattern : plan.patterns) {
        int used = 0;
        for (int i = 0; i < pattern.pieceCount; ++i) {
            used += pattern.lengths[i];
            left[pattern.lengths[i]] -= pattern.rods;
        }
        if (used > instance.capacity) return false;
    }
    return std::all_of(left.begin(), left.end(),
                       [](const auto& entry) { return entry.second == 0; });
}

// The optimum of an instance: from the bounds file, or for the ANI and AI instances from their
// construction (their pieces fill whole rods; ANI needs one rod more); 0 when not known, and then
// the method's own proof is counted.
int optimumOf(const Instance& instance, const fs::path& file,
              const std::map<std::string, int>& optima) {
    if (const auto known = optima.find(instance.name); known != optima.end()) return known->second;
    if (pathHas(file, "Difficult_Instances")) {
        long long sum = 0;
        for (int size : instance.sizes) sum += size;
        const int filled = static_cast<int>((sum + instance.capacity - 1) / instance.capacity);
        return pathHas(file, "ANI") ? filled + 1 : filled;
    }
    return 0;
}

struct RunSettings {
    std::chrono::milliseconds limit;
    int threads = 0;
    size_t mostInstances = 0;  // 0: all
};

void runClass(const InstanceClass& instances, const fs::path& folder,
              const std::map<std::string, int>& optima, const RunSettings& settings) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().extension() == ".txt" && instances.holds(entry.path()))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    if (settings.mostInstances > 0 && files.size() > settings.mostInstances)
        files.resize(settings.mostInstances);
    std::vector<double> seconds;
    std::vector<double> secondsToProof;  // the whole run where it proved nothing
    int reached = 0;
    int proven = 0;
    int invalid = 0;
    for (const fs::path& file : files) {
        Instance instance;
        if (!readInstance(file, instance)) continue;
        const int optimum = optimumOf(instance, file, optima);
        JobParameters parameters;
        parameters.rodLength = static_cast<int16_t>(instance.capacity);
        parameters.cutThickness = 0;
        FewestRodsOptions options;
        options.timeLimit = settings.limit;
        options.threads = settings.threads;
        const std::unique_ptr<PieceList> pieces = pieceListOf(instance);
        const auto start = std::chrono::steady_clock::now();
        const auto secondsSinceStart = [&start] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        // A proven plan may still be matched in fewer patterns: the proof comes earlier.
        std::optional<double> provenAfter;
        options.progress = [&](const FewestRodsResult& progress) {
            if (progress.optimal && !provenAfter) provenAfter = secondsSinceStart();
        };
        const FewestRodsResult result = solveFewestRods(*pieces, parameters, options);
        seconds.push_back(secondsSinceStart());
        secondsToProof.push_back(result.optimal && provenAfter ? *provenAfter : seconds.back());
        const bool best = optimum == 0 || result.plan.summary.rodCount == optimum;
        reached += best && (optimum > 0 || result.optimal) ? 1 : 0;
        proven += result.optimal && best ? 1 : 0;
        invalid += isValidPlan(result.plan, instance) ? 0 : 1;
        if (std::getenv("MARLO_BPPLIB_LIST") != nullptr)
            std::fprintf(stderr, "%s %d %.2f %.2f %d\n", instance.name.c_str(),
                         result.optimal ? 1 : 0, seconds.back(), secondsToProof.back(),
                         result.plan.summary.rodCount);
    }
    // A class with no instance in the folder says so rather than leave its line out.
    if (seconds.empty()) {
        std::printf("| %s | 0 | | | | | | | |\n", instances.name.c_str());
        return;
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(secondsToProof.begin(), secondsToProof.end());
    std::printf("| %s | %zu | %d | %d (%.0f %%) | %.2f | %.2f | %.2f | %.2f | %d |\n",
                instances.name.c_str(), seconds.size(), reached, proven,
                100.0 * proven / seconds.size(), seconds[seconds.size() / 2], seconds.back(),
                secondsToProof[secondsToProof.size() / 2], secondsToProof.back(), invalid);
    std::fflush(stdout);
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    using namespace marlo;
    const char* folder = std::getenv("MARLO_BPPLIB");
    if (folder == nullptr || !fs::is_directory(folder)) {
        std::printf(
            "bpplib_benchmark: set MARLO_BPPLIB to the folder of the unpacked library; "
            "skipped.\n");
        return 0;
    }
    RunSettings settings;
    settings.limit = std::chrono::milliseconds(argc > 1 ? std::atoi(argv[1]) * 1000 : 10000);
    const std::string filter = argc > 2 ? argv[2] : "";
    settings.threads = argc > 3 ? std::atoi(argv[3]) : 0;
    settings.mostInstances = argc > 4 ? static_cast<size_t>(std::atoi(argv[4])) : 0;
    const auto under = [](std::string part) {
        return [part](const fs::path& path) { return pathHas(path, part); };
    };
    // The difficult instances by their folder (ANI or AI) and what their names begin with: the
    // pieces of the ANI lists, one fewer than the AI lists have (the AI 202 files are 201_...).
    const auto difficult = [](std::string folder, std::string prefix) {
        return [folder, prefix](const fs::path& path) {
            return path.parent_path().filename() == folder &&
                   path.filename().string().rfind(prefix, 0) == 0;
        };
    };
    const std::vector<InstanceClass> classes = {
        {"Falkenauer U", under("Falkenauer U")},
        {"Falkenauer T", under("Falkenauer_T")},
        {"Scholl 1", under("Scholl_1")},
        {"Scholl 2", under("Scholl_2")},
        {"Schwerin 1", under("Schwerin_1")},
        {"Schwerin 2", under("Schwerin_2")},
        {"Waescher", under("scher")},
        {"Hard28", under("Hard28")},
        {"ANI 201", difficult("ANI", "201_")},
        {"ANI 402", difficult("ANI", "402_")},
        {"AI 202", difficult("AI", "201_")},
    };
    const std::map<std::string, int> optima = optimaOf(fs::path(folder) / "Bounds.txt");
    std::printf(
        "| class | instances | optimum reached | proven optimal | median s | max s | "
        "proof median s | proof max s | invalid plans |\n|---|---|---|---|---|---|---|---|---|\n");
    for (const InstanceClass& instances : classes) {
        if (instances.name.find(filter) != std::string::npos)
            runClass(instances, folder, optima, settings);
    }
}
