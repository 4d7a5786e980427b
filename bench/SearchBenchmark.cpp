// Times the cutting-plan search on a workshop job and on heavy jobs of many short dimensions:
// arithmetic series of dimensions with the default switches, and irregular lists on other rods
// and cuts under every combination of the three switches. The counter "steps/s" is the number
// of counted search steps per second of CPU time.
//
//   build/bench/search_benchmark --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
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

void runSearch(benchmark::State& state, const CuttingList& list,
               const JobParameters& parameters = {}) {
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
    runSearch(state, sampleList("workshop.opt"));  // rod 6000, cut 6, default switches
}

constexpr HeavyJob kHeavyJobs[] = {{26, 220, 33, 3}, {28, 230, 31, 3}, {30, 200, 29, 3}};

void BM_Search_Heavy(benchmark::State& state) {
    runSearch(state, heavyList(kHeavyJobs[state.range(0)]));
}

struct IrregularJob {
    int16_t rodLength;
    int16_t cutThickness;
    int16_t wasteBordersMode;
    int16_t startMethod;
    int16_t sortOutputByWaste;
    std::vector<std::pair<int, int>> rows;  // dimension, pieces
};

// 20 to 28 dimensions scattered over 200 to 1100 mm, 1 to 4 pieces each, waste band 200 to 500;
// one job for each combination of the switches (waste borders, start method, sorting), each
// several hundred million steps.
const IrregularJob kIrregularJobs[] = {
    {6901, 4, 0, 0, 0, {{210, 4}, {213, 2}, {238, 4},  {330, 3}, {375, 2}, {420, 4},
                        {526, 4}, {555, 4}, {579, 2},  {649, 1}, {674, 4}, {686, 1},
                        {691, 4}, {714, 3}, {790, 3},  {814, 2}, {842, 1}, {859, 4},
                        {899, 3}, {957, 4}, {1047, 2}, {1074, 1}}},
    {6933, 4, 1, 0, 0, {{248, 2}, {350, 1}, {414, 2},  {426, 2},  {448, 1}, {451, 4},
                        {565, 3}, {568, 1}, {591, 3},  {596, 4},  {615, 3}, {646, 3},
                        {671, 3}, {687, 1}, {700, 2},  {739, 3},  {768, 2}, {774, 3},
                        {817, 4}, {930, 4}, {1041, 2}, {1048, 3}, {1074, 3}}},
    {6924, 5, 0, 1, 0, {{233, 3}, {240, 4}, {270, 3}, {397, 4},  {461, 1},  {483, 2}, {489, 4},
                        {498, 3}, {544, 2}, {548, 2}, {579, 2},  {622, 2},  {643, 1}, {645, 4},
                        {685, 2}, {736, 1}, {747, 3}, {757, 4},  {779, 1},  {835, 1}, {886, 4},
                        {898, 1}, {951, 2}, {957, 3}, {1041, 4}, {1055, 4}, {1089, 4}}},
    {6746, 2, 1, 1, 0, {{207, 4}, {248, 3}, {336, 4},  {446, 3},  {487, 4}, {537, 1}, {545, 2},
                        {553, 4}, {589, 2}, {617, 4},  {621, 1},  {682, 3}, {766, 1}, {773, 2},
                        {808, 4}, {852, 4}, {922, 4},  {941, 3},  {945, 2}, {984, 4}, {985, 3},
                        {991, 4}, {995, 4}, {1030, 3}, {1053, 2}, {1055, 3}}},
    {6841, 5, 0, 0, 1, {{346, 1},  {365, 1},  {373, 1},  {377, 4}, {382, 2}, {434, 3}, {450, 4},
                        {499, 1},  {515, 4},  {516, 1},  {530, 3}, {555, 2}, {613, 4}, {615, 2},
                        {631, 1},  {638, 3},  {730, 4},  {805, 2}, {850, 2}, {919, 4}, {1001, 1},
                        {1006, 1}, {1036, 3}, {1072, 1}, {1081, 3}}},
    {6777, 5, 1, 0, 1, {{388, 2}, {411, 4}, {437, 2}, {441, 4},  {459, 3},  {462, 3},  {561, 2},
                        {562, 3}, {565, 4}, {579, 3}, {625, 4},  {711, 4},  {777, 1},  {790, 2},
                        {795, 3}, {857, 3}, {998, 3}, {1012, 1}, {1037, 3}, {1041, 4}, {1056, 3}}},
    {6620, 3, 0, 1, 1, {{228, 1}, {229, 3}, {249, 1}, {259, 1}, {272, 3}, {386, 3},  {388, 1},
                        {436, 2}, {462, 4}, {486, 3}, {527, 2}, {544, 3}, {568, 2},  {593, 4},
                        {643, 1}, {651, 3}, {671, 1}, {677, 1}, {685, 1}, {692, 1},  {735, 1},
                        {786, 3}, {819, 3}, {848, 3}, {948, 3}, {963, 3}, {1055, 3}, {1061, 1}}},
    {6725, 2, 1, 1, 1, {{280, 3}, {282, 2},  {283, 1},  {387, 3},  {405, 4}, {420, 2}, {436, 3},
                        {457, 3}, {469, 3},  {559, 3},  {645, 1},  {646, 3}, {662, 2}, {697, 1},
                        {752, 4}, {783, 2},  {790, 3},  {797, 2},  {811, 4}, {879, 3}, {887, 4},
                        {936, 1}, {1064, 3}, {1075, 2}, {1085, 4}, {1086, 1}}},
};

void BM_Search_Irregular(benchmark::State& state) {
    const IrregularJob& job = kIrregularJobs[state.range(0)];
    CuttingList list;
    for (const auto& [dimension, pieces] : job.rows)
        list.push_back({std::to_string(dimension), std::to_string(pieces)});
    JobParameters parameters;
    parameters.rodLength = job.rodLength;
    parameters.cutThickness = job.cutThickness;
    parameters.wasteBordersMode = job.wasteBordersMode;
    parameters.startMethod = job.startMethod;
    parameters.sortOutputByWaste = job.sortOutputByWaste;
    state.SetLabel(
        "rod " + std::to_string(job.rodLength) + " cut " + std::to_string(job.cutThickness) +
        " borders " + std::to_string(job.wasteBordersMode) + " start " +
        std::to_string(job.startMethod) + " sort " + std::to_string(job.sortOutputByWaste));
    runSearch(state, list, parameters);
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
BENCHMARK(BM_Search_Irregular)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepByStep_Heavy)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace marlo

BENCHMARK_MAIN();
