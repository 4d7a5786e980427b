// Runs the fewest-rods method over generated instances of the classic bin-packing classes and
// workshop jobs, and prints per class: how many instances were proven optimal within the time
// limit, the median and longest time, and the rods against the rod-by-rod search and against
// first fit decreasing.
//
//   build/bench/fewest_rods_benchmark [instances per class, default 20] [seconds, default 10]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchmarkSupport.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/fewest/FewestRods.h"
#include "optimiser/fewest/FitDecreasing.h"

namespace marlo {
namespace {

using bench::uniform;

struct Job {
    JobParameters parameters;
    std::vector<int16_t> pieces;
};

struct InstanceClass {
    std::string name;
    std::function<Job(std::mt19937&)> generate;
};

Job bare(int rod) {
    Job job;
    job.parameters.rodLength = static_cast<int16_t>(rod);
    job.parameters.cutThickness = 0;
    return job;
}

// Sizes drawn uniformly from [low, high] into rods of `rod`.
InstanceClass uniformClass(int count, int low, int high, int rod) {
    return {"u" + std::to_string(count) + " " + std::to_string(low) + "-" + std::to_string(high) +
                "/" + std::to_string(rod),
            [=](std::mt19937& random) {
                Job job = bare(rod);
                for (int i = 0; i < count; ++i)
                    job.pieces.push_back(static_cast<int16_t>(uniform(random, low, high)));
                return job;
            }};
}

// Triplets that fill a rod of 1000 exactly: the optimum is a third of the pieces.
InstanceClass tripletClass(int count) {
    return {"t" + std::to_string(count) + " triplets/1000", [=](std::mt19937& random) {
                Job job = bare(1000);
                for (int i = 0; i < count / 3; ++i) {
                    const int a = uniform(random, 380, 490);
                    const int b = uniform(random, 250, (1000 - a) / 2);
                    for (int size : {a, b, 1000 - a - b})
                        job.pieces.push_back(static_cast<int16_t>(size));
                }
                return job;
            }};
}

// Rods of 6000 to 7000 mm, a cut of 0 to 6 mm, 10 to 40 distinct dimensions of 250 to 2600 mm
// with 1 to 12 pieces each.
InstanceClass workshopClass() {
    return {"workshop 6000-7000", [](std::mt19937& random) {
                Job job;
                job.parameters.rodLength = static_cast<int16_t>(uniform(random, 6000, 7000));
                job.parameters.cutThickness = static_cast<int16_t>(uniform(random, 0, 6));
                const int dimensions = uniform(random, 10, 40);
                for (int d = 0; d < dimensions; ++d) {
                    const auto length = static_cast<int16_t>(uniform(random, 250, 2600));
                    job.pieces.insert(job.pieces.end(), uniform(random, 1, 12), length);
                }
                return job;
            }};
}

// Stops the rod-by-rod search after the same time as the method gets.
class TimedObserver : public RunObserver {
  public:
    explicit TimedObserver(std::chrono::steady_clock::time_point end) : end_(end) {}
    bool stopRequested() override { return std::chrono::steady_clock::now() >= end_; }

  private:
    std::chrono::steady_clock::time_point end_;
};

int firstFitRods(const PieceList& pieces, const JobParameters& parameters) {
    const fewest::Instance instance = fewest::instanceOf(pieces, parameters);
    std::vector<int32_t> demand;
    for (const fewest::ItemType& type : instance.types) demand.push_back(type.demand);
    return fewest::firstFitDecreasing(instance, demand).rodCount();
}

void runClass(const InstanceClass& instances, int count, std::chrono::milliseconds limit) {
    bench::RunTimes times;
    int proven = 0;
    int searchFinished = 0;
    int fewerThanSearch = 0;
    int moreThanSearch = 0;
    int fewerThanFirstFit = 0;
    int rods = 0;
    bench::forEachInstance<Job>(count, instances.generate, [&](int, const Job& job) {
        const std::unique_ptr<PieceList> pieces = bench::pieceListOf(job.pieces);
        FewestRodsOptions options;
        options.timeLimit = limit;
        const FewestRodsResult result =
            times.time([&] { return solveFewestRods(*pieces, job.parameters, options); });
        const int found = result.plan.summary.rodCount;
        rods += found;
        proven += result.optimal ? 1 : 0;
        fewerThanFirstFit += firstFitRods(*pieces, job.parameters) - found;

        TimedObserver observer(std::chrono::steady_clock::now() + limit);
        const CuttingPlan search = searchCuttingPlan(*pieces, job.parameters, observer);
        if (search.status == RunStatus::Finished) {
            ++searchFinished;
            fewerThanSearch += search.summary.rodCount > found ? 1 : 0;
            moreThanSearch += search.summary.rodCount < found ? 1 : 0;
        }
    });
    std::printf("| %s | %d | %.0f %% | %.2f | %.2f | %d of %d | %d | %d | %d |\n",
                instances.name.c_str(), count, 100.0 * proven / count, times.median(),
                times.longest(), fewerThanSearch, searchFinished, moreThanSearch, fewerThanFirstFit,
                rods);
    std::fflush(stdout);
}

}  // namespace
}  // namespace marlo

int main(int argc, char** argv) {
    using namespace marlo;
    const int count = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::chrono::milliseconds limit(argc > 2 ? std::atoi(argv[2]) * 1000 : 10000);
    std::vector<InstanceClass> classes = {
        uniformClass(120, 20, 100, 150),
        uniformClass(250, 20, 100, 150),
        uniformClass(500, 20, 100, 150),
        tripletClass(60),
        tripletClass(120),
        tripletClass(249),
        uniformClass(100, 150, 200, 1000),
    };
    for (const int low : {1, 20, 30})
        for (const int rod : {100, 120, 150}) classes.push_back(uniformClass(200, low, 100, rod));
    classes.push_back(workshopClass());
    std::printf(
        "| class | instances | proven optimal | median s | max s | fewer rods than the search "
        "(of its finished runs) | more rods than the search | rods saved against FFD | "
        "rods |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (const InstanceClass& instances : classes) runClass(instances, count, limit);
}
