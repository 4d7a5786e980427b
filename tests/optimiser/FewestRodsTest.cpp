#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <map>
#include <random>

#include "SearchTestSupport.h"
#include "i18n/StringCatalogue.h"
#include "optimiser/fewest/ArcFlow.h"
#include "optimiser/fewest/ColumnGeneration.h"
#include "optimiser/fewest/FewestRods.h"
#include "optimiser/fewest/ReducedCostPatterns.h"
#include "optimiser/fewest/RestrictedMaster.h"

namespace marlo {
namespace {

using testing::lengthsOf;
using testing::optimise;
using testing::parameters;
using testing::Piece;
using testing::pieceList;

FewestRodsResult fewest(const std::vector<Piece>& rows, const JobParameters& p,
                        FewestRodsOptions options = {}) {
    return solveFewestRods(*pieceList(rows), p, options);
}

// Every piece of the job is cut exactly once, every rod holds its pieces with a cut between
// each two, and the wastes and totals are figured as the search figures them.
void expectSoundPlan(const std::vector<Piece>& rows, const JobParameters& p,
                     const CuttingPlan& plan) {
    ASSERT_EQ(plan.status, RunStatus::Finished);
    std::map<int, int> wanted;
    for (const Piece& row : rows) wanted[row.length] += row.count;
    std::map<int, int> cut;
    PlanSummary totals;
    int sequence = 0;
    for (const RodPattern& pattern : plan.patterns) {
        EXPECT_EQ(pattern.sequence, ++sequence);
        int used = 0;
        for (int length : lengthsOf(pattern)) {
            cut[length] += pattern.rods;
            used += length + p.cutThickness;
        }
        EXPECT_LE(used - p.cutThickness, p.rodLength);
        const int raw = p.rodLength - used;
        EXPECT_EQ(pattern.waste, raw > 0 ? raw : -(raw + p.cutThickness));
        totals.rodCount = static_cast<int16_t>(totals.rodCount + pattern.rods);
        if (pattern.waste > 0) {
            totals.totalWaste += pattern.waste * pattern.rods;
            totals.wastePieceCount = static_cast<int16_t>(totals.wastePieceCount + pattern.rods);
        }
    }
    EXPECT_EQ(cut, wanted);
    EXPECT_EQ(plan.summary.rodCount, totals.rodCount);
    EXPECT_EQ(plan.summary.totalWaste, totals.totalWaste);
    EXPECT_EQ(plan.summary.wastePieceCount, totals.wastePieceCount);
}

TEST(FewestRods, jobWhereTheSearchNeedsOneRodMore_givesProvenOptimum) {
    // The search fills its first rod exactly with 75, 15 and 10 and is left with pieces that
    // need three more; 75 + 20, 65 + 20 + 15 and 45 + 40 + 10 do with three.
    const std::vector<Piece> job = {{75, 1}, {65, 1}, {45, 1}, {40, 1}, {20, 2}, {15, 1}, {10, 1}};
    const JobParameters p = parameters(100, 0);
    ASSERT_EQ(optimise(job, p).summary.rodCount, 4);

    const FewestRodsResult result = fewest(job, p);
    expectSoundPlan(job, p, result.plan);
    EXPECT_EQ(result.plan.summary.rodCount, 3);
    EXPECT_EQ(result.lowerBound, 3);
    EXPECT_TRUE(result.optimal);
    EXPECT_EQ(cheapLowerBound(*pieceList(job), p), 3);
}

TEST(FewestRods, randomJobs_neverMoreRodsThanTheSearchAndBoundHolds) {
    std::mt19937 random(7);
    for (int job = 0; job < 150; ++job) {
        const int cut = static_cast<int>(random() % 4);
        const JobParameters p = parameters(1000, cut);
        std::vector<Piece> rows;
        const int sizes = 2 + static_cast<int>(random() % 8);
        for (int i = 0; i < sizes; ++i)
            rows.push_back(
                {100 + static_cast<int>(random() % 800), 1 + static_cast<int>(random() % 4)});
        const CuttingPlan search = optimise(rows, p);
        const FewestRodsResult result = fewest(rows, p);
        SCOPED_TRACE(job);
        expectSoundPlan(rows, p, result.plan);
        EXPECT_TRUE(result.optimal);
        EXPECT_EQ(result.lowerBound, result.plan.summary.rodCount);
        EXPECT_LE(result.plan.summary.rodCount, search.summary.rodCount);
        EXPECT_LE(cheapLowerBound(*pieceList(rows), p), result.lowerBound);
    }
}

TEST(FewestRods, cutsAndSlivers_figuredAsTheSearchFiguresThem) {
    // The worked example: three rods in the search's two patterns, the same totals.
    const JobParameters p = parameters(6000, 6);
    const std::vector<Piece> worked = {{2000, 3}, {1500, 2}, {1000, 4}};
    FewestRodsResult result = fewest(worked, p);
    expectSoundPlan(worked, p, result.plan);
    EXPECT_TRUE(result.optimal);
    ASSERT_EQ(result.plan.patterns.count(), 2);
    EXPECT_EQ(result.plan.summary.rodCount, 3);
    EXPECT_EQ(result.plan.summary.totalWaste, 4946);
    EXPECT_EQ(result.plan.patterns[0].waste, 476);
    EXPECT_EQ(result.plan.patterns[1].waste, 3994);

    // Two pieces of 2994 fit with one cut between them and leave a sliver of 6 mm: no waste.
    const std::vector<Piece> slivers = {{2994, 4}};
    result = fewest(slivers, p);
    expectSoundPlan(slivers, p, result.plan);
    ASSERT_EQ(result.plan.patterns.count(), 1);
    EXPECT_EQ(result.plan.patterns[0].rods, 2);
    EXPECT_EQ(result.plan.patterns[0].waste, -6);
    EXPECT_EQ(result.plan.summary.totalWaste, 0);
    EXPECT_EQ(result.plan.summary.wastePieceCount, 0);

    // 3000 and 2994 fill the rod; 3000 and 3000 do not fit one rod with a cut between them.
    const std::vector<Piece> exact = {{3000, 1}, {2994, 1}};
    result = fewest(exact, p);
    EXPECT_EQ(result.plan.summary.rodCount, 1);
    EXPECT_EQ(result.plan.patterns[0].waste, 0);
    result = fewest({{3000, 3}}, p);
    EXPECT_EQ(result.plan.summary.rodCount, 3);
    EXPECT_EQ(result.lowerBound, 3);
    EXPECT_EQ(result.plan.patterns[0].waste, 2994);
}

TEST(FewestRods, moreThanFiftyPatterns_allKeptWhereTheSearchGivesUp) {
    // Pairs 500 + i and 500 - i fill a rod exactly, and no other two pieces do: the only plan
    // with 60 rods has 60 patterns.
    std::vector<Piece> job;
    for (int i = 1; i <= 60; ++i) {
        job.push_back({500 + i, 1});
        job.push_back({500 - i, 1});
    }
    const JobParameters p = parameters(1000, 0);
    EXPECT_EQ(optimise(job, p).abortMessage, msg::kTooManyPatterns);

    const FewestRodsResult result = fewest(job, p);
    expectSoundPlan(job, p, result.plan);
    EXPECT_TRUE(result.optimal);
    EXPECT_EQ(result.plan.patterns.count(), 60);
}

TEST(FewestRods, tooManyPiecesForOneRod_isRefusedLikeTheSearch) {
    const FewestRodsResult result = fewest({{60, 100}}, parameters(6000, 0));
    EXPECT_EQ(result.plan.status, RunStatus::Aborted);
    EXPECT_EQ(result.plan.abortMessage, msg::kTooManyShortDimensions);
}

// Triplets that fill a rod of 1000 exactly: hard for every quick plan.
std::vector<Piece> triplets(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Piece> rows;
    for (int i = 0; i < count; ++i) {
        const int a = 380 + static_cast<int>(random() % 110);
        const int b = 250 + static_cast<int>(random() % ((1000 - a) / 2 - 250 + 1));
        rows.push_back({a, 1});
        rows.push_back({b, 1});
        rows.push_back({1000 - a - b, 1});
    }
    return rows;
}

TEST(FewestRods, stopAndTimeLimit_keepTheBestPlanFoundSoFar) {
    const std::vector<Piece> job = triplets(83, 3);
    const JobParameters p = parameters(1000, 0);

    // Raised before the start: the first plan is kept, not proven.
    std::atomic<bool> stop{true};
    FewestRodsOptions options;
    options.stop = &stop;
    const auto started = std::chrono::steady_clock::now();
    FewestRodsResult result = fewest(job, p, options);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(100));
    expectSoundPlan(job, p, result.plan);
    EXPECT_GE(result.lowerBound, 83);

    // Raised at the first report: the plan of that report is the result.
    stop = false;
    int reportedRods = 0;
    options.progress = [&](const FewestRodsResult& best) {
        reportedRods = best.plan.summary.rodCount;
        stop = true;
    };
    result = fewest(job, p, options);
    expectSoundPlan(job, p, result.plan);
    EXPECT_EQ(result.plan.summary.rodCount, reportedRods);
    EXPECT_EQ(result.optimal, result.plan.summary.rodCount == result.lowerBound);

    // A time limit ends the run the same way, within a fifth of a second, whichever stage runs
    // when it comes.
    for (const int milliseconds : {200, 700, 1500}) {
        FewestRodsOptions limited;
        limited.timeLimit = std::chrono::milliseconds(milliseconds);
        const auto limitedStart = std::chrono::steady_clock::now();
        result = fewest(triplets(200, 5), p, limited);
        EXPECT_LT(std::chrono::steady_clock::now() - limitedStart,
                  std::chrono::milliseconds(milliseconds + 200));
        expectSoundPlan(triplets(200, 5), p, result.plan);
    }
}

// Neither 3500 nor 1900 shares a rod of 3600 with its own length, 1800 + 1800 and 1200 * 3 fill
// one: the relaxation needs 10 rods, every plan 11, and only a bound above the relaxation's
// proves that.
const std::vector<Piece> kBeyondTheRelaxation = {
    {3500, 2}, {1900, 5}, {1800, 5}, {1200, 5}, {700, 3}};

TEST(FewestRods, planOneRodAboveTheRelaxation_provenByItsPrices) {
    const JobParameters p = parameters(3600, 0);
    const auto pieces = pieceList(kBeyondTheRelaxation);
    const fewest::Instance instance = fewest::instanceOf(*pieces, p);
    std::vector<int32_t> demand;
    for (const fewest::ItemType& type : instance.types) demand.push_back(type.demand);
    const fewest::Deadline deadline(fewest::Deadline::Clock::now() + std::chrono::seconds(30),
                                    nullptr);
    fewest::ColumnGeneration lp(instance);
    const fewest::ColumnGeneration::Solution relaxation =
        lp.solve(demand, 100, deadline, fewest::ColumnGeneration::Until::End);
    ASSERT_TRUE(relaxation.complete);
    EXPECT_NEAR(relaxation.value, 10.0, 1e-6);

    // The prices prove the relaxation's bound, never more.
    const std::optional<fewest::FeasiblePrices> prices =
        fewest::feasiblePrices(instance, relaxation.duals, deadline);
    ASSERT_TRUE(prices);
    EXPECT_LE(prices->rods, relaxation.value + 1e-12);
    EXPECT_EQ(static_cast<int>(std::ceil(prices->rods)), 10);

    // A plan of 10 rods could use only these patterns, and none is made of them.
    const std::optional<std::vector<fewest::Pattern>> patterns =
        fewest::patternsWithinGap(instance, *prices, 10, 1000, deadline);
    ASSERT_TRUE(patterns);
    EXPECT_FALSE(patterns->empty());
    const fewest::PatternPlan ten = fewest::planFromPatterns(instance, *patterns, 11, deadline, 1);
    EXPECT_TRUE(ten.finished);
    EXPECT_FALSE(ten.plan);
    EXPECT_FALSE(fewest::patternsWithinGap(instance, *prices, 10, patterns->size() - 1, deadline))
        << "more patterns than allowed: none";

    // The arc-flow model of their arcs proves the same for a plan of 11 rods.
    fewest::Packing eleven;
    eleven.add({{0, 1}}, 2);
    eleven.add({{2, 2}}, 2);
    eleven.add({{1, 1}, {3, 1}}, 4);
    eleven.add({{1, 1}, {4, 2}}, 1);
    eleven.add({{2, 1}, {3, 1}}, 1);
    eleven.add({{4, 1}}, 1);
    ASSERT_TRUE(fewest::coversDemand(instance, eleven));
    EXPECT_EQ(fewest::solveArcFlow(instance, eleven, 10, deadline, 1, &*prices).provenBound, 11);

    const FewestRodsResult result = fewest(kBeyondTheRelaxation, p);
    expectSoundPlan(kBeyondTheRelaxation, p, result.plan);
    EXPECT_EQ(result.plan.summary.rodCount, 11);
    EXPECT_EQ(result.lowerBound, 11);
    EXPECT_TRUE(result.optimal);
}

TEST(FewestRods, threads_giveTheRodsAndProofOfOneThread) {
    const JobParameters p = parameters(1000, 0);
    for (const std::vector<Piece>& job : {triplets(60, 9), triplets(30, 4)}) {
        FewestRodsOptions one;
        one.threads = 1;
        FewestRodsOptions two;
        two.threads = 2;
        const FewestRodsResult single = fewest(job, p, one);
        const FewestRodsResult parallel = fewest(job, p, two);
        expectSoundPlan(job, p, parallel.plan);
        EXPECT_TRUE(single.optimal);
        EXPECT_EQ(parallel.plan.summary.rodCount, single.plan.summary.rodCount);
        EXPECT_EQ(parallel.lowerBound, single.lowerBound);
        EXPECT_EQ(parallel.optimal, single.optimal);
    }
    FewestRodsOptions two;
    two.threads = 2;
    const JobParameters beyond = parameters(3600, 0);
    const FewestRodsResult parallel = fewest(kBeyondTheRelaxation, beyond, two);
    EXPECT_TRUE(parallel.optimal);
    EXPECT_EQ(parallel.plan.summary.rodCount, 11);
}

}  // namespace
}  // namespace marlo
