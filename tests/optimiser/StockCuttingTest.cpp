#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>

#include "SearchTestSupport.h"
#include "i18n/texts/StockListTexts.h"
#include "optimiser/MethodRun.h"
#include "optimiser/StockTotals.h"
#include "optimiser/fewest/StockArcFlow.h"
#include "optimiser/fewest/StockCutting.h"
#include "optimiser/fewest/StockFirstFit.h"
#include "optimiser/fewest/StockTightestFill.h"

namespace marlo {
namespace {

using testing::parameters;
using testing::Piece;
using testing::pieceList;

StockItem rod(int length, std::optional<int> quantity = std::nullopt,
              std::optional<double> price = std::nullopt) {
    return {static_cast<int16_t>(length), quantity, price, StockKind::Rod, ""};
}

StockItem offcut(int length, const std::string& id) {
    return {static_cast<int16_t>(length), 1, std::nullopt, StockKind::Offcut, id};
}

StockPlanResult plan(const std::vector<Piece>& rows, const JobParameters& p,
                     const std::vector<StockItem>& items, StockPlanOptions options = {}) {
    StockList stock;
    stock.items = items;
    return planFromStock(*pieceList(rows), p, stock, options);
}

// Every piece is cut exactly once, every rod holds its pieces with a cut between each two within
// its stock row's usable length, no row gives more rods than it has, and the price, wastes and
// totals add up.
void expectSoundPlan(const std::vector<Piece>& rows, const JobParameters& p,
                     const StockPlanResult& result) {
    const CuttingPlan& plan = result.plan;
    ASSERT_EQ(plan.status, RunStatus::Finished);
    std::map<int, int> wanted, cut, rodsOfRow;
    for (const Piece& row : rows) wanted[row.length] += row.count;
    double price = 0.0;
    int rods = 0;
    for (const RodPattern& pattern : plan.patterns) {
        const StockItem* item = stockOf(pattern, plan.stock);
        ASSERT_NE(item, nullptr);
        int used = 0;
        for (int i = 0; i < pattern.pieceCount; ++i) {
            cut[pattern.lengths[i]] += pattern.rods;
            used += pattern.lengths[i] + p.cutThickness;
        }
        const int usable = item->length - 2 * p.trim;
        EXPECT_LE(used - p.cutThickness, usable);
        const int raw = usable - used;
        EXPECT_EQ(pattern.waste, raw > 0 ? raw : -(raw + p.cutThickness));
        rodsOfRow[pattern.stockItem] += pattern.rods;
        price += priceOfRod(plan.stock, *item) * pattern.rods;
        rods += pattern.rods;
    }
    EXPECT_EQ(cut, wanted);
    for (const auto& [row, count] : rodsOfRow) {
        const StockItem& item = plan.stock.items[static_cast<size_t>(row)];
        if (item.quantity) {
            EXPECT_LE(count, *item.quantity);
        }
    }
    EXPECT_NEAR(result.price, price, 1e-9);
    EXPECT_EQ(plan.summary.rodCount, rods);
    EXPECT_LE(result.priceLowerBound, result.price + 1e-9);
}

int rodsOfLength(const StockPlanResult& result, int length) {
    int rods = 0;
    for (const RodPattern& pattern : result.plan.patterns)
        if (stockOf(pattern, result.plan.stock)->length == length) rods += pattern.rods;
    return rods;
}

TEST(StockCutting, handCheckableOptima_areFoundAndProven) {
    // A shorter rod saves material: 4000 needs the long rod, 2500 takes the short one.
    const std::vector<Piece> mixed = {{4000, 1}, {2500, 1}};
    StockPlanResult result = plan(mixed, parameters(6000, 0), {rod(6000), rod(3000)});
    expectSoundPlan(mixed, parameters(6000, 0), result);
    EXPECT_DOUBLE_EQ(result.price, 9.0);
    EXPECT_TRUE(result.optimal);
    EXPECT_EQ(rodsOfLength(result, 3000), 1);

    // Equal price (6.00 either way): the plan with fewer rods wins; made cheaper, the long rod
    // wins on price.
    const std::vector<Piece> halves = {{2500, 2}};
    result = plan(halves, parameters(6000, 0), {rod(3000), rod(6000)});
    EXPECT_DOUBLE_EQ(result.price, 6.0);
    EXPECT_EQ(result.plan.summary.rodCount, 1);
    result = plan(halves, parameters(6000, 0), {rod(3000, std::nullopt, 4.0), rod(6000, 2, 5.0)});
    EXPECT_DOUBLE_EQ(result.price, 5.0);
    EXPECT_TRUE(result.optimal);

    // An offcut comes first when it saves a rod: 5000 + 1100 + a cut of 5 exceed 6000.
    const std::vector<Piece> withOffcut = {{5000, 1}, {1100, 1}};
    result = plan(withOffcut, parameters(6000, 5), {rod(6000), offcut(1200, "R-7")});
    expectSoundPlan(withOffcut, parameters(6000, 5), result);
    EXPECT_DOUBLE_EQ(result.price, 6.0);
    EXPECT_EQ(rodsOfLength(result, 1200), 1);
    EXPECT_TRUE(result.optimal);

    // Quantities run out: two short rods at 3.00, the rest on the dearer long rod.
    const std::vector<Piece> four = {{2500, 4}};
    result = plan(four, parameters(6000, 0), {rod(3000, 2), rod(6000, std::nullopt, 6.5)});
    expectSoundPlan(four, parameters(6000, 0), result);
    EXPECT_DOUBLE_EQ(result.price, 12.5);
    EXPECT_EQ(rodsOfLength(result, 3000), 2);
    EXPECT_TRUE(result.optimal);
}

TEST(StockCutting, rodsPastTheThirtyThousandthStockRow_areCutFromTheirOwnRow) {
    // A store's stock of tens of thousands of offcuts: the one that holds the piece is row 33,000.
    std::vector<StockItem> items(33000, offcut(200, "S"));
    items.push_back(offcut(3000, "R-33000"));
    const std::vector<Piece> piece = {{2500, 1}};
    const StockPlanResult result = plan(piece, parameters(6000, 5), items);
    expectSoundPlan(piece, parameters(6000, 5), result);
    ASSERT_EQ(result.plan.patterns.count(), 1);
    EXPECT_EQ(stockOf(result.plan.patterns[0], result.plan.stock)->id, "R-33000");
}

TEST(StockCutting, equalPriceAndRods_preferFewerPatterns) {
    // Two rods of 6000 either way; 2000 2000 1000 twice is one pattern, where 2000 2000 2000 with
    // 2000 1000 1000, or 2000 2000 1000 1000 with 2000 2000, are two.
    const std::vector<Piece> mixed = {{2000, 4}, {1000, 2}};
    StockPlanResult result = plan(mixed, parameters(6000, 0), {rod(6000), rod(3000)});
    expectSoundPlan(mixed, parameters(6000, 0), result);
    EXPECT_DOUBLE_EQ(result.price, 12.0);
    EXPECT_EQ(result.plan.summary.rodCount, 2);
    EXPECT_EQ(result.plan.patterns.count(), 1);
    EXPECT_TRUE(result.optimal);
}

TEST(StockCutting, pricesOfARun_printTheSameWhateverTheOrderOfTheirSum) {
    // Rods at 0.1 and 0.2: summed, the price is 0.30000000000000004 or 0.3 by the order of its
    // terms; the run's price is the same, exact figure.
    const std::vector<Piece> pieces = {{5000, 1}, {2500, 1}};
    const PlanResult result =
        stockPlanResult(plan(pieces, parameters(6000, 0), {rod(6000, 1, 0.1), rod(3000, 1, 0.2)}),
                        parameters(6000, 0));
    ASSERT_TRUE(result.price.has_value());
    EXPECT_EQ(*result.price, 0.3);
    EXPECT_EQ(*result.priceLowerBound, 0.3);
}

TEST(StockCutting, rodChoicesPricedWithin_listEveryChoiceThatHoldsThePieces) {
    // 10000 mm of pieces; two rods of 3000 at 3.00 and rods of 6000 at 6.00. Below 15.00: 9.00
    // (one of each) holds too little, 12.00 holds it as two 6000s or as both 3000s and a 6000.
    StockList stock;
    stock.items = {rod(3000, 2), rod(6000)};
    const fewest::StockInstance instance =
        fewest::stockInstanceOf(*pieceList({{2500, 4}}), parameters(6000, 0), stock);
    using Choices = std::vector<std::vector<int32_t>>;
    EXPECT_EQ(fewest::rodChoicesPricedWithin(instance, 0.0, 15.0, 10), (Choices{{0, 2}, {2, 1}}));
    EXPECT_EQ(fewest::rodChoicesPricedWithin(instance, 0.0, 15.0, 1), (Choices{{0, 2}}));
    EXPECT_TRUE(fewest::rodChoicesPricedWithin(instance, 0.0, 12.0, 10).empty());
    // An offcut costs nothing and is always taken: with 2500 mm more, 9.00 holds the pieces.
    stock.items.push_back(offcut(2500, "R-1"));
    const fewest::StockInstance withOffcut =
        fewest::stockInstanceOf(*pieceList({{2500, 4}}), parameters(6000, 0), stock);
    EXPECT_EQ(fewest::rodChoicesPricedWithin(withOffcut, 9.0, 12.0, 10), (Choices{{1, 1, 1}}));
}

TEST(StockCutting, tightestFill_cutsFromFewRodsWhereFirstFitLeavesPieces) {
    // Two rods of 1000 hold 500 300 200 and 400 300 300 exactly. Longest first, first fit puts
    // 500 400 into one and 300 300 300 into the other and has no room left for 200; the rods
    // filled as fully as the pieces allow, with a free offcut first, cut everything.
    StockList stock;
    stock.items = {rod(1000, 2), offcut(700, "R-1")};
    const fewest::StockInstance instance = fewest::stockInstanceOf(
        *pieceList({{500, 1}, {400, 1}, {300, 3}, {200, 1}}), parameters(1000, 0), stock);
    std::vector<int32_t> demand, available;
    for (const fewest::ItemType& type : instance.types) demand.push_back(type.demand);
    for (const fewest::StockBin& bin : instance.bins) available.push_back(bin.available);
    available[1] = 0;  // the offcut
    EXPECT_FALSE(fewest::cheapestFirstFit(instance, demand, available).complete());
    const fewest::StockPacking tight = fewest::tightestFill(instance, demand, available);
    EXPECT_TRUE(tight.complete());
    EXPECT_EQ(tight.rodCount(), 2);

    // A free offcut is filled first, with 500 200; the rods cut the rest.
    available[1] = 1;
    const fewest::StockPacking withOffcut = fewest::tightestFill(instance, demand, available);
    EXPECT_TRUE(withOffcut.complete());
    EXPECT_EQ(fewest::priceOf(instance, withOffcut), 2.0);
    EXPECT_EQ(withOffcut.columns.front().bin, 1u);
}

TEST(StockCutting, trimAndCutThickness_shortenEveryRod) {
    const std::vector<Piece> halves = {{3000, 2}};
    EXPECT_EQ(plan(halves, parameters(6000, 0), {rod(6000)}).plan.summary.rodCount, 1);
    // One cut of 1 mm between the two halves no longer fits.
    EXPECT_EQ(plan(halves, parameters(6000, 1), {rod(6000)}).plan.summary.rodCount, 2);
    // Nor does a trim of 10 mm at each end; the waste is what is left of the usable 5980 mm.
    JobParameters trimmed = parameters(6000, 0);
    trimmed.trim = 10;
    const StockPlanResult result = plan(halves, trimmed, {rod(6000)});
    expectSoundPlan(halves, trimmed, result);
    ASSERT_EQ(result.plan.patterns.count(), 1);
    EXPECT_EQ(result.plan.patterns[0].rods, 2);
    EXPECT_EQ(result.plan.patterns[0].waste, 2980);

    // Both single-length methods cut the usable length too; without trim nothing changes.
    for (const OptimisationMethod method :
         {OptimisationMethod::Search, OptimisationMethod::FewestRods}) {
        testing::RecordingObserver observer;
        const std::atomic<bool> stop{false};
        const MethodChoice choice{method, 5};
        PlanResult single = runMethod(*pieceList(halves), trimmed, choice, observer, stop);
        ASSERT_EQ(single.plan.status, RunStatus::Finished);
        EXPECT_EQ(single.plan.summary.rodCount, 2);
        EXPECT_EQ(single.plan.summary.totalWaste, 2 * 2980);
        EXPECT_EQ(single.plan.patterns[0].stockItem, -1);
        EXPECT_TRUE(single.plan.stock.empty());
        single = runMethod(*pieceList(halves), parameters(6000, 0), choice, observer, stop);
        EXPECT_EQ(single.plan.summary.rodCount, 1);
    }
}

TEST(StockCutting, stockTooSmall_leavesNoPlanAndNamesWhatIsUncut) {
    const StockPlanResult result =
        plan({{2000, 2}, {500, 1}}, parameters(6000, 0), {rod(3000, 1), offcut(2100, "R-1")});
    // 2000 + 500 in the rod, 2000 in the offcut: just enough.
    EXPECT_EQ(result.plan.status, RunStatus::Finished);
    EXPECT_TRUE(result.uncut.empty());
    // One 2000 more, and that one stays uncut: no plan at all.
    const StockPlanResult tooSmall =
        plan({{2000, 3}, {500, 1}}, parameters(6000, 0), {rod(3000, 1), offcut(2100, "R-1")});
    EXPECT_EQ(tooSmall.plan.status, RunStatus::Aborted);
    EXPECT_EQ(tooSmall.plan.abortMessage, stock_text::kStockTooSmall);
    EXPECT_EQ(tooSmall.plan.patterns.count(), 0);
    EXPECT_FALSE(tooSmall.optimal);
    EXPECT_EQ(tooSmall.uncut, (std::vector<UncutDimension>{{2000, 1}}));
    EXPECT_EQ(tooSmall.missingLength, 2000);
}

TEST(StockCutting, threads_giveThePriceAndProofOfOneThread) {
    // Lists whose cheapest plan takes the integer programs: several lengths, limited rows and
    // offcuts, with cuts and trim.
    std::mt19937 random(11);
    for (int instance = 0; instance < 4; ++instance) {
        std::uniform_int_distribution<int> length(300, 2900), count(1, 4);
        std::vector<Piece> rows;
        for (int d = 0; d < 6 + instance; ++d) rows.push_back({length(random), count(random)});
        JobParameters p = parameters(6000, 4);
        p.trim = 5;
        const std::vector<StockItem> items = {rod(3000, 3), rod(6000), rod(6500, 2, 6.0),
                                              offcut(1800 + 300 * instance, "R-1")};
        StockPlanOptions one;
        one.threads = 1;
        StockPlanOptions two;
        two.threads = 2;
        const StockPlanResult single = plan(rows, p, items, one);
        const StockPlanResult parallel = plan(rows, p, items, two);
        expectSoundPlan(rows, p, parallel);
        EXPECT_TRUE(single.optimal) << "instance " << instance;
        EXPECT_DOUBLE_EQ(parallel.price, single.price) << "instance " << instance;
        EXPECT_EQ(parallel.optimal, single.optimal) << "instance " << instance;
    }
}

TEST(StockCutting, generatedStockLists_matchTheExactModelAndStopOnTime) {
    std::mt19937 random(7);
    for (int instance = 0; instance < 12; ++instance) {
        std::uniform_int_distribution<int> length(300, 2900), count(1, 4), cut(0, 6), trim(0, 10);
        std::vector<Piece> rows;
        const int dimensions = 4 + instance % 5;
        for (int d = 0; d < dimensions; ++d) rows.push_back({length(random), count(random)});
        JobParameters p = parameters(6000, cut(random));
        p.trim = static_cast<int16_t>(trim(random));
        std::vector<StockItem> items = {rod(3000, 3), rod(6000), rod(6500, 2, 6.0)};
        for (int o = 0; o < instance % 4; ++o)
            items.push_back(offcut(800 + 500 * o, "R-" + std::to_string(o)));
        const StockPlanResult result = plan(rows, p, items);
        expectSoundPlan(rows, p, result);
        EXPECT_TRUE(result.optimal) << "instance " << instance;

        // The plain arc-flow model over all stock lengths reaches the same lowest price.
        StockList stock;
        stock.items = items;
        const fewest::StockInstance exact = fewest::stockInstanceOf(*pieceList(rows), p, stock);
        const fewest::StockArcFlowOutcome solved = fewest::solveStockArcFlow(
            exact, 1e6, std::nullopt, 0,
            fewest::Deadline(fewest::Deadline::Clock::now() + std::chrono::seconds(20), nullptr),
            1);
        ASSERT_TRUE(solved.finished && solved.better);
        EXPECT_NEAR(fewest::priceOf(exact, *solved.better), result.price, 1e-6)
            << "instance " << instance;
    }

    // The exact model ended by its deadline proves nothing, even without any plan found.
    StockList large;
    large.items = {rod(6000), rod(6500, 10), rod(7000, 10), rod(3000, 20)};
    std::vector<Piece> many;
    for (int d = 0; d < 40; ++d) many.push_back({static_cast<int>(401 + 53 * d), 3});
    const fewest::StockInstance hard =
        fewest::stockInstanceOf(*pieceList(many), parameters(6000, 3), large);
    const fewest::StockArcFlowOutcome cut = fewest::solveStockArcFlow(
        hard, 1e6, std::nullopt, 0,
        fewest::Deadline(fewest::Deadline::Clock::now() + std::chrono::milliseconds(50), nullptr),
        1);
    EXPECT_TRUE(!cut.finished || cut.better.has_value());

    // A raised stop ends the run at once with the quick plan, not proven unless it already is.
    const std::atomic<bool> stop{true};
    StockPlanOptions options;
    options.stop = &stop;
    const auto start = std::chrono::steady_clock::now();
    const StockPlanResult stopped =
        plan(many, parameters(6000, 4), {rod(6000), rod(6500, 10), rod(3000, 20)}, options);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    expectSoundPlan(many, parameters(6000, 4), stopped);
}

}  // namespace
}  // namespace marlo
