#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "SearchTestSupport.h"
#include "optimiser/fewest/BranchAndPrice.h"
#include "optimiser/fewest/ColumnGeneration.h"
#include "optimiser/fewest/CutMaster.h"
#include "optimiser/fewest/CutPricing.h"
#include "optimiser/fewest/SubsetRowCuts.h"
#include "optimiser/fewest/SubsetRowRelaxation.h"

namespace marlo::fewest {
namespace {

using testing::parameters;
using testing::Piece;
using testing::pieceList;

Instance instanceOfRows(const std::vector<Piece>& rows, int rodLength) {
    return instanceOf(*pieceList(rows), parameters(rodLength, 0));
}

Deadline seconds(int count) {
    return Deadline(Deadline::Clock::now() + std::chrono::seconds(count), nullptr);
}

// The fewest rods of a few pieces, by trying every split of them into rods.
int fewestRodsByHand(const std::vector<int>& lengths, int rodLength) {
    const size_t subsets = size_t{1} << lengths.size();
    std::vector<int> load(subsets, 0);
    for (size_t s = 1; s < subsets; ++s)
        load[s] = load[s & (s - 1)] + lengths[static_cast<size_t>(__builtin_ctzll(s))];
    std::vector<int> rods(subsets, 1000);
    rods[0] = 0;
    for (size_t s = 1; s < subsets; ++s) {
        const size_t lowest = s & (~s + 1);
        for (size_t rod = s; rod != 0; rod = (rod - 1) & s)
            if ((rod & lowest) != 0 && load[rod] <= rodLength)
                rods[s] = std::min(rods[s], rods[s ^ rod] + 1);
    }
    return rods[subsets - 1];
}

// Three pieces of which any two share a rod of 101 but not all three: the relaxation takes half
// a rod of each pair, 1.5 rods. The cut over the three allows one rod of two of them, which leaves
// the third a rod of its own: 2 rods.
TEST(SubsetRowCuts, oddCycleOfThreePieces_raisesTheRelaxationFromOneAndAHalfToTwo) {
    const Instance instance = instanceOfRows({{51, 1}, {50, 1}, {49, 1}}, 101);
    const Deadline deadline = seconds(30);
    CutMaster master(instance, 0, 0.0, deadline);
    double bound = 0.0;
    ASSERT_TRUE(master.solve(bound));
    EXPECT_NEAR(master.value(), 1.5, 1e-9);
    EXPECT_NEAR(bound, 1.5, 1e-6);
    EXPECT_LE(bound, 1.5);

    const std::vector<SubsetRowCut> cuts = violatedSubsetRowCuts(
        instance, master.patterns(), master.relaxation(), master.cuts(), 0.01, 10);
    ASSERT_EQ(cuts.size(), 1u);
    EXPECT_EQ(cuts.front(), (SubsetRowCut{{0, 1, 2}, 1}));
    EXPECT_EQ(cutCoefficient(cuts.front(), {{0, 1}, {2, 1}}), 1);
    EXPECT_EQ(cutCoefficient(cuts.front(), {{1, 1}}), 0);

    const std::optional<double> strengthened = strengthenWithCuts(master, instance, 3, 5);
    ASSERT_TRUE(strengthened);
    EXPECT_NEAR(*strengthened, 2.0, 1e-6);
    EXPECT_LE(*strengthened, 2.0);
    EXPECT_NEAR(master.value(), 2.0, 1e-9);
}

// Besides the most valuable pattern, the pricing hands over those it held as the best on its way:
// each worth more than asked and less than the best, loading the rod at least as far as asked and
// within its length.
TEST(CutPricing, patternsAlsoWorth_areValidColumnsBelowTheBest) {
    const Instance instance =
        instanceOfRows({{3500, 2}, {1900, 5}, {1800, 5}, {1200, 5}, {700, 3}, {400, 4}}, 3600);
    std::mt19937 random(5);
    std::uniform_real_distribution<double> price(0.0, 0.6);
    const std::vector<int32_t> bounds{2, 5, 5, 5, 3, 4};
    size_t handedOver = 0;
    for (int round = 0; round < 50; ++round) {
        CutPrices prices;
        for (size_t t = 0; t < instance.types.size(); ++t) prices.types.push_back(price(random));
        const int32_t leastLoad = round % 2 == 0 ? 0 : instance.capacity * 2 / 3;
        const std::optional<PricedPatterns> priced = mostValuablePatternWithCuts(
            instance, prices, {}, {}, bounds, leastLoad, seconds(30), 1.0, 10);
        ASSERT_TRUE(priced);
        EXPECT_LE(priced->alsoWorth.size(), 10u);
        for (const Pattern& pattern : priced->alsoWorth) {
            double value = 0.0;
            int32_t load = 0;
            for (const PatternEntry& e : pattern) {
                value += e.count * prices.types[static_cast<size_t>(e.type)];
                load += e.count * instance.types[static_cast<size_t>(e.type)].weight;
                EXPECT_LE(e.count, bounds[static_cast<size_t>(e.type)]);
            }
            EXPECT_GT(value, 1.0);
            EXPECT_LT(value, priced->best.value);
            EXPECT_GE(load, leastLoad);
            EXPECT_LE(load, instance.capacity);
            EXPECT_NE(pattern, priced->best.pattern);
        }
        handedOver += priced->alsoWorth.size();
    }
    EXPECT_GT(handedOver, 0u);
}

// The relaxation of this job takes 10 rods; every plan takes 11. The tree proves that no plan
// of 10 exists, and finds one of 11 when asked for fewer than 12.
TEST(BranchAndPrice, planOneRodAboveTheRelaxation_provenAndFound) {
    const Instance instance =
        instanceOfRows({{3500, 2}, {1900, 5}, {1800, 5}, {1200, 5}, {700, 3}}, 3600);
    const Deadline deadline = seconds(60);
    const TreeOutcome ten = branchAndPrice(instance, {}, 11, PairChoice::MostSplit, deadline);
    EXPECT_TRUE(ten.finished);
    EXPECT_FALSE(ten.plan);
    EXPECT_LE(ten.rootBound, 11.0);

    const TreeOutcome eleven =
        branchAndPrice(instance, {}, 12, PairChoice::HeaviestSplit, deadline);
    EXPECT_TRUE(eleven.finished);
    ASSERT_TRUE(eleven.plan);
    EXPECT_EQ(eleven.plan->rodCount(), 11);
    EXPECT_TRUE(coversDemand(instance, *eleven.plan));
    EXPECT_GT(eleven.nodes, 1u) << "the relaxation alone is fractional: the plan needs branching";

    const TreeOutcome rootOnly =
        branchAndPrice(instance, {}, 12, PairChoice::HeaviestSplit, deadline, 1);
    EXPECT_FALSE(rootOnly.finished);
    EXPECT_EQ(rootOnly.nodes, 1u);
    EXPECT_NEAR(rootOnly.rootBound, eleven.rootBound, 1e-6);
}

// Small jobs against every split of their pieces: the tree finds a plan of the fewest rods when
// asked for one more, proves none has fewer, and its bounds never exceed the optimum, whichever
// pairs it branches on.
TEST(BranchAndPrice, randomSmallJobs_matchTheOptimumOfEverySplit) {
    std::mt19937 random(17);
    const Deadline deadline = seconds(120);
    for (int job = 0; job < 150; ++job) {
        const int rodLength = 20 + static_cast<int>(random() % 40);
        const bool triples = job % 2 == 0;  // pieces of a quarter to a half rod
        std::vector<int> lengths;
        for (size_t i = 0, count = 5 + random() % 7; i < count; ++i)
            lengths.push_back(
                triples ? rodLength / 4 + 1 + static_cast<int>(random() % (rodLength / 4))
                        : 1 + rodLength / 6 + static_cast<int>(random() % (rodLength * 2 / 3)));
        std::vector<Piece> rows;
        for (int length : lengths) rows.push_back({length, 1});
        const Instance instance = instanceOfRows(rows, rodLength);
        const int fewest = fewestRodsByHand(lengths, rodLength);
        const PairChoice choice = job % 3 == 0 ? PairChoice::HeaviestSplit : PairChoice::MostSplit;

        const TreeOutcome found = branchAndPrice(instance, {}, fewest + 1, choice, deadline);
        ASSERT_TRUE(found.finished) << job;
        ASSERT_TRUE(found.plan) << job;
        EXPECT_EQ(found.plan->rodCount(), fewest) << job;
        EXPECT_TRUE(coversDemand(instance, *found.plan)) << job;
        for (const Pattern& pattern : found.plan->patterns) {
            int load = 0;
            for (const PatternEntry& e : pattern) load += e.count * instance.types[e.type].weight;
            EXPECT_LE(load, instance.capacity) << job;
        }
        const TreeOutcome proof = branchAndPrice(instance, {}, fewest, choice, deadline);
        EXPECT_TRUE(proof.finished) << job;
        EXPECT_FALSE(proof.plan) << job;
        EXPECT_LE(found.rootBound, fewest + 1e-6) << job;
        EXPECT_LE(proof.rootBound, fewest + 1e-6) << job;
    }
}

// A tree stopped before it settles claims nothing: not finished, and no bound above the optimum.
TEST(BranchAndPrice, stoppedTree_claimsNoProof) {
    const Instance instance =
        instanceOfRows({{3500, 2}, {1900, 5}, {1800, 5}, {1200, 5}, {700, 3}}, 3600);
    const std::atomic<bool> stop{true};
    const Deadline stopped(Deadline::Clock::now() + std::chrono::seconds(60), &stop);
    const TreeOutcome outcome = branchAndPrice(instance, {}, 11, PairChoice::MostSplit, stopped);
    EXPECT_FALSE(outcome.finished);
    EXPECT_FALSE(outcome.plan);
    EXPECT_LE(outcome.rootBound, 11.0);
}

}  // namespace
}  // namespace marlo::fewest
