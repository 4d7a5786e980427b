// Times the cutting-plan search on a workshop job and on heavy jobs of many short dimensions.
// The counter "steps/s" is the number of counted search steps per second of the run.
//
//   build/bench/search_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "ReferenceSearch.h"
#include "jobfile/JobFile.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/InputPreparation.h"

namespace marlo {
namespace {

struct HeavyJob {
    int dimensions;
    int shortest;
    int spacing;
    int pieces;
};

// Distinct dimensions shortest, shortest + spacing, ... with the same number of pieces each.
CuttingList heavyList(const HeavyJob& job) {
    CuttingList list;
    for (int i = 0; i < job.dimensions; ++i)
        list.push_back(
            {std::to_string(job.shortest + job.spacing * i), std::to_string(job.pieces)});
    return list;
}

CuttingList sampleList(const char* name) {
    const JobFileReadResult read = readJobFile(std::string(MARLO_SOURCE_DIR) + "/samples/" + name);
    if (read.status != JobFileStatus::Taken) throw std::runtime_error("cannot read sample job");
    return read.job.list;
}

void runSearch(benchmark::State& state, const CuttingList& list) {
    const JobParameters parameters;  // rod 6000, cut 6, default switches
    auto prepared = std::make_unique<PieceList>();
    auto work = std::make_unique<PieceList>();
    prepareInput(list, parameters.rodLength, *prepared);
    RunObserver observer;
    uint64_t steps = 0;
    for (auto _ : state) {
        *work = *prepared;
        const CuttingPlan plan = searchCuttingPlan(*work, parameters, observer);
        steps += plan.summary.calculatedPossibilities;
        benchmark::DoNotOptimize(plan.summary);
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

void BM_Search_Workshop(benchmark::State& state) {
    runSearch(state, sampleList("workshop.opt"));
}

constexpr HeavyJob kHeavyJobs[] = {{26, 220, 33, 3}, {28, 230, 31, 3}, {30, 200, 29, 3}};

void BM_Search_Heavy(benchmark::State& state) {
    runSearch(state, heavyList(kHeavyJobs[state.range(0)]));
}

// The straightforward loop that does the full work of every step, for comparison.
void BM_StepByStep_Heavy(benchmark::State& state) {
    const HeavyJob& job = kHeavyJobs[state.range(0)];
    std::vector<int> pieces;
    for (int i = 0; i < job.dimensions; ++i)
        pieces.insert(pieces.end(), job.pieces, job.shortest + job.spacing * i);
    uint64_t steps = 0;
    for (auto _ : state) {
        const reference::Result result = reference::search(pieces, JobParameters{});
        steps += result.steps;
        benchmark::DoNotOptimize(result.rodCount);
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Search_Workshop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search_Heavy)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepByStep_Heavy)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marlo

BENCHMARK_MAIN();
