#include <gtest/gtest.h>

#include <random>

#include "ReferenceSearch.h"
#include "SearchTestSupport.h"
#include "i18n/StringCatalogue.h"
#include "optimiser/CuttingPlanSearch.h"

namespace marlo {
namespace {

using testing::lengthsOf;
using testing::optimise;
using testing::parameters;
using testing::RecordingObserver;

TEST(CuttingPlanSearch, workedExample_largestDimensionFirst_givesTwoPatterns) {
    RecordingObserver observer;
    const CuttingPlan plan =
        optimise({{2000, 3}, {1500, 2}, {1000, 4}}, parameters(6000, 6), observer);

    ASSERT_EQ(plan.status, RunStatus::Finished);
    ASSERT_EQ(plan.patterns.count(), 2);
    EXPECT_EQ(plan.patterns[0].sequence, 1);
    EXPECT_EQ(plan.patterns[0].rods, 2);
    EXPECT_EQ(plan.patterns[0].waste, 476);
    EXPECT_EQ(lengthsOf(plan.patterns[0]), (std::vector<int>{2000, 1500, 1000, 1000}));
    EXPECT_EQ(plan.patterns[1].sequence, 2);
    EXPECT_EQ(plan.patterns[1].rods, 1);
    EXPECT_EQ(plan.patterns[1].waste, 3994);
    EXPECT_EQ(lengthsOf(plan.patterns[1]), (std::vector<int>{2000}));
    EXPECT_EQ(plan.summary, (PlanSummary{3, 4946, 3, 49}));
    EXPECT_NEAR(*efficiency(plan.summary, 6000), 72.52, 0.005);

    // The window sees the totals and the progress grow rod by rod.
    ASSERT_EQ(observer.totalsSeen.size(), 3u);
    EXPECT_EQ(observer.totalsSeen[0].rodCount, 1);
    EXPECT_EQ(observer.totalsSeen[2], plan.summary);
    EXPECT_NEAR(observer.progressSeen[0], 100.0 - 5.0 / 9.0 * 100.0, 1e-9);
    EXPECT_DOUBLE_EQ(observer.progressSeen[2], 100.0);
    EXPECT_TRUE(observer.messages.empty());

    // The final layout reads as rows 1 sequence, 2 rods, 3 waste, 4 pieces, 5.. lengths.
    EXPECT_EQ(plan.patterns[0].row(1), 1);
    EXPECT_EQ(plan.patterns[0].row(4), 4);
    EXPECT_EQ(plan.patterns[0].row(5), 2000);
    EXPECT_EQ(plan.patterns[0].row(8), 1000);
}

TEST(CuttingPlanSearch, workedExample_smallestWasteFirst_givesThreePatterns) {
    JobParameters p = parameters(6000, 6);
    p.startMethod = 0;
    const CuttingPlan plan = optimise({{2000, 3}, {1500, 2}, {1000, 4}}, p);

    ASSERT_EQ(plan.patterns.count(), 3);
    EXPECT_EQ(plan.patterns[0].waste, 470);
    EXPECT_EQ(lengthsOf(plan.patterns[0]), (std::vector<int>{1500, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(plan.patterns[1].waste, 482);
    EXPECT_EQ(lengthsOf(plan.patterns[1]), (std::vector<int>{2000, 2000, 1500}));
    EXPECT_EQ(plan.patterns[2].waste, 3994);
    EXPECT_EQ(plan.summary.rodCount, 3);
    EXPECT_EQ(plan.summary.totalWaste, 4946);
    EXPECT_EQ(plan.summary.calculatedPossibilities, 62u);
}

TEST(CuttingPlanSearch, startMethod_changesTheNumberOfSteps) {
    for (int method : {1, 0}) {
        JobParameters p = parameters(100, 0);
        p.startMethod = static_cast<int16_t>(method);
        const CuttingPlan plan = optimise({{60, 1}, {50, 1}, {40, 1}, {10, 1}}, p);
        ASSERT_EQ(plan.patterns.count(), 2) << method;
        EXPECT_EQ(lengthsOf(plan.patterns[0]), (std::vector<int>{60, 40})) << method;
        EXPECT_EQ(plan.patterns[0].waste, 0) << method;
        EXPECT_EQ(lengthsOf(plan.patterns[1]), (std::vector<int>{50, 10})) << method;
        EXPECT_EQ(plan.patterns[1].waste, 40) << method;
        EXPECT_EQ(plan.summary.calculatedPossibilities, method == 1 ? 7u : 14u);
    }
}

TEST(CuttingPlanSearch, wasteBand_givesWayToLargerWasteOnlyWhenOptimised) {
    JobParameters p = parameters(2000, 0);
    p.minWasteDimension = 100;
    p.maxWasteDimension = 300;
    p.sortOutputByWaste = 0;
    const std::vector<testing::Piece> rows = {{1100, 2}, {400, 1}, {300, 1}};

    p.wasteBordersMode = 1;
    CuttingPlan plan = optimise(rows, p);
    ASSERT_EQ(plan.patterns.count(), 2);
    EXPECT_EQ(lengthsOf(plan.patterns[0]), (std::vector<int>{1100, 400, 300}));
    EXPECT_EQ(plan.patterns[0].waste, 200);
    EXPECT_EQ(lengthsOf(plan.patterns[1]), (std::vector<int>{1100}));
    EXPECT_EQ(plan.patterns[1].waste, 900);

    p.wasteBordersMode = 0;
    plan = optimise(rows, p);
    ASSERT_EQ(plan.patterns.count(), 2);
    EXPECT_EQ(lengthsOf(plan.patterns[0]), (std::vector<int>{1100, 300}));
    EXPECT_EQ(plan.patterns[0].waste, 600);
    EXPECT_EQ(lengthsOf(plan.patterns[1]), (std::vector<int>{1100, 400}));
    EXPECT_EQ(plan.patterns[1].waste, 500);

    // Sorted output orders them by waste and renumbers them.
    p.sortOutputByWaste = 1;
    plan = optimise(rows, p);
    EXPECT_EQ(plan.patterns[0].waste, 500);
    EXPECT_EQ(plan.patterns[0].sequence, 1);
    EXPECT_EQ(plan.patterns[1].waste, 600);
    EXPECT_EQ(plan.patterns[1].sequence, 2);
}

TEST(CuttingPlanSearch, slivers_areNoWastePieces) {
    struct Case {
        int a, b, waste, wastePieces, totalWaste;
    };
    for (const Case c :
         {Case{3000, 2994, 0, 0, 0}, Case{2994, 2994, -6, 0, 0}, Case{2995, 2995, -4, 0, 0}}) {
        const CuttingPlan plan = optimise({{c.a, 1}, {c.b, 1}}, parameters(6000, 6));
        ASSERT_EQ(plan.patterns.count(), 1) << c.a << "+" << c.b;
        EXPECT_EQ(plan.patterns[0].pieceCount, 2);
        EXPECT_EQ(plan.patterns[0].waste, c.waste);
        EXPECT_EQ(plan.summary.wastePieceCount, c.wastePieces);
        EXPECT_EQ(plan.summary.totalWaste, c.totalWaste);
        EXPECT_DOUBLE_EQ(*efficiency(plan.summary, 6000), 100.0);
    }
}

TEST(CuttingPlanSearch, equalRodsShareOnePattern) {
    const CuttingPlan plan = optimise({{3000, 3}}, parameters(6000, 6));
    ASSERT_EQ(plan.patterns.count(), 1);
    EXPECT_EQ(plan.patterns[0].rods, 3);
    EXPECT_EQ(plan.patterns[0].waste, 2994);
    EXPECT_EQ(plan.summary.rodCount, 3);
}

TEST(CuttingPlanSearch, allPiecesFittingOneRod_takeOnePassOverTheList) {
    const CuttingPlan plan = optimise({{1000, 2}, {500, 3}, {100, 4}}, parameters(6000, 6));
    ASSERT_EQ(plan.patterns.count(), 1);
    EXPECT_EQ(plan.patterns[0].pieceCount, 9);
    EXPECT_EQ(plan.summary.rodCount, 1);
    EXPECT_EQ(plan.summary.calculatedPossibilities, 9u);
}

TEST(CuttingPlanSearch, ninetyEighthPieceInOneRod_abortsWithoutResult) {
    RecordingObserver observer;
    const CuttingPlan plan = optimise({{60, 100}}, parameters(6000, 0), observer);
    EXPECT_EQ(plan.status, RunStatus::Aborted);
    EXPECT_EQ(plan.abortMessage, msg::kTooManyShortDimensions);
    EXPECT_EQ(plan.patterns.count(), 0);
    EXPECT_EQ(plan.summary, PlanSummary{});
    EXPECT_EQ(observer.messages, std::vector<int>{msg::kTooManyShortDimensions});

    // 97 pieces still fit one rod.
    EXPECT_EQ(optimise({{60, 97}}, parameters(6000, 0)).status, RunStatus::Finished);
}

TEST(CuttingPlanSearch, abortAfterSomeRods_keepsTheTotalsOfTheLastCompleteRod) {
    // The first rod takes the long piece alone; the second would take 98 short ones.
    RecordingObserver observer;
    const CuttingPlan plan = optimise({{5990, 1}, {10, 100}}, parameters(6000, 0), observer);
    EXPECT_EQ(plan.status, RunStatus::Aborted);
    ASSERT_FALSE(observer.totalsSeen.empty());
    EXPECT_EQ(plan.summary, observer.totalsSeen.back());
    EXPECT_EQ(plan.summary.rodCount, static_cast<int16_t>(observer.totalsSeen.size()));
}

TEST(CuttingPlanSearch, fiftyPatternsFit_fiftyFirstAbortsWithMessage) {
    // Every piece fills a rod of its own with a different waste: one pattern per dimension.
    std::vector<testing::Piece> rows;
    for (int i = 0; i < 50; ++i) rows.push_back({3001 + i, 1});
    EXPECT_EQ(optimise(rows, parameters(6000, 0)).patterns.count(), 50);

    rows.push_back({3100, 1});
    RecordingObserver observer;
    const CuttingPlan plan = optimise(rows, parameters(6000, 0), observer);
    EXPECT_EQ(plan.status, RunStatus::Aborted);
    EXPECT_EQ(plan.abortMessage, msg::kTooManyPatterns);
    EXPECT_EQ(plan.patterns.count(), 0);
    EXPECT_EQ(plan.summary.rodCount, 50);
    EXPECT_EQ(observer.messages, std::vector<int>{msg::kTooManyPatterns});
}

// Enough short pieces to make the search take millions of steps.
std::vector<testing::Piece> heavyJob() {
    std::vector<testing::Piece> rows;
    for (int i = 0; i < 22; ++i) rows.push_back({310 + 47 * i, 3});
    return rows;
}

TEST(CuttingPlanSearch, yieldsEvery3001Steps_andStopsAfterTheYieldThatAsks) {
    RecordingObserver observer;
    observer.stopAfterYields = 5;
    const CuttingPlan plan = optimise(heavyJob(), parameters(6000, 6), observer);
    EXPECT_EQ(plan.status, RunStatus::Stopped);
    EXPECT_EQ(observer.yields, 5);
    EXPECT_TRUE(observer.messages.empty());
}

void expectSameAsStepByStep(const std::vector<testing::Piece>& rows, const JobParameters& p) {
    std::vector<int> flat;
    for (const testing::Piece& row : rows) flat.insert(flat.end(), row.count, row.length);
    RecordingObserver observer;
    const CuttingPlan plan = optimise(rows, p, observer);
    const reference::Result expected = reference::search(flat, p);

    ASSERT_EQ(plan.status == RunStatus::Aborted, expected.aborted);
    if (expected.aborted) return;
    EXPECT_EQ(plan.summary.calculatedPossibilities, expected.steps);
    EXPECT_EQ(static_cast<uint64_t>(observer.yields), expected.yields);
    EXPECT_EQ(plan.summary.rodCount, expected.rodCount);
    EXPECT_EQ(plan.summary.totalWaste, expected.totalWaste);
    EXPECT_EQ(plan.summary.wastePieceCount, expected.wastePieceCount);
    ASSERT_EQ(plan.patterns.count(), static_cast<int>(expected.patterns.size()));
    for (int i = 0; i < plan.patterns.count(); ++i) {
        EXPECT_EQ(plan.patterns[i].rods, expected.patterns[i].rods);
        EXPECT_EQ(plan.patterns[i].waste, expected.patterns[i].waste);
        EXPECT_EQ(lengthsOf(plan.patterns[i]), expected.patterns[i].lengths);
    }
}

TEST(CuttingPlanSearch, agreesWithTheStepByStepSearchOnAHeavyJob) {
    // About three million steps: a thousand yields, many rods and backtracks.
    expectSameAsStepByStep(heavyJob(), parameters(6000, 6));
}

TEST(CuttingPlanSearch, yieldsAtTheLastStepOfARun_whenItIsThe3001st) {
    // 3001 steps in all; the last rod takes every piece left, and its last step is the one that
    // brings the yield.
    expectSameAsStepByStep({{2457, 3},
                            {1666, 3},
                            {1549, 1},
                            {1521, 2},
                            {1296, 1},
                            {1179, 3},
                            {1086, 3},
                            {847, 2},
                            {702, 3},
                            {597, 3},
                            {367, 2},
                            {352, 1}},
                           parameters(6000, 6));
}

TEST(CuttingPlanSearch, agreesWithTheStepByStepSearchOnRandomJobs) {
    std::mt19937 random(20261208);
    for (int job = 0; job < 400; ++job) {
        JobParameters p = parameters(std::uniform_int_distribution(200, 6000)(random),
                                     std::uniform_int_distribution(0, 8)(random));
        p.minWasteDimension = static_cast<int16_t>(std::uniform_int_distribution(0, 300)(random));
        p.maxWasteDimension = static_cast<int16_t>(p.minWasteDimension +
                                                   std::uniform_int_distribution(0, 400)(random));
        p.wasteBordersMode = static_cast<int16_t>(job % 2);
        p.startMethod = static_cast<int16_t>((job / 2) % 2);
        p.sortOutputByWaste = static_cast<int16_t>((job / 4) % 2);

        std::vector<testing::Piece> rows;
        const int dimensions = std::uniform_int_distribution(1, 12)(random);
        for (int d = 0; d < dimensions; ++d) {
            // Mostly short pieces, so that rods take many pieces and the search branches a lot.
            const int length =
                std::uniform_int_distribution(1, p.rodLength / (1 + d % 4) - 1)(random);
            const int count = std::uniform_int_distribution(1, 5)(random);
            rows.push_back({length, count});
        }
        SCOPED_TRACE(::testing::Message() << "job " << job);
        expectSameAsStepByStep(rows, p);
    }
}

}  // namespace
}  // namespace marlo
