#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

#include "diagram/DiagramGeometry.h"
#include "labels/CuttingOrder.h"
#include "labels/ListRows.h"
#include "labels/PieceLabels.h"
#include "labels/SawList.h"
#include "labels/SawListCsv.h"
#include "labels/SawSheet.h"

namespace marlo {
namespace {

// A finished plan of these patterns, cut from this stock (none: the parameters' rod length).
CuttingPlan planOf(PatternTable patterns, StockList stock = {}) {
    return {RunStatus::Finished, 0, std::move(patterns), {}, std::move(stock)};
}

RodPattern pattern(int16_t sequence, int16_t rods, std::vector<int16_t> lengths,
                   int16_t stockItem = -1) {
    RodPattern p;
    p.sequence = sequence;
    p.rods = rods;
    p.pieceCount = static_cast<int16_t>(lengths.size());
    std::copy(lengths.begin(), lengths.end(), p.lengths.begin());
    p.stockItem = stockItem;
    return p;
}

// A plan of random patterns that fit their rods with the trim at both ends and a cut after
// every piece, cut from a stock list of three lengths.
struct RandomPlan {
    PatternTable patterns;
    StockList stock;
    JobParameters parameters;
    CuttingList list;
};

RandomPlan randomPlan(std::mt19937& random) {
    RandomPlan plan;
    plan.parameters.cutThickness = static_cast<int16_t>(random() % 8);
    plan.parameters.trim = static_cast<int16_t>(random() % 20);
    plan.stock.items = {{6000, {}, {}, StockKind::Rod, ""},
                        {4000, {}, {}, StockKind::Rod, ""},
                        {2500, 1, {}, StockKind::Offcut, "R-7"}};
    const int16_t dimensions[] = {1800, 1200, 950, 700, 400};
    for (const int16_t d : dimensions) plan.list.push_back({std::to_string(d), "5"});
    const int count = 1 + static_cast<int>(random() % 8);
    for (int p = 0; p < count; ++p) {
        const auto item = static_cast<int16_t>(static_cast<int>(random() % 4) - 1);
        const int stockLength = item < 0 ? plan.parameters.rodLength
                                         : plan.stock.items[static_cast<size_t>(item)].length;
        int room = stockLength - 2 * plan.parameters.trim;
        std::vector<int16_t> lengths;
        for (int tries = 0; tries < 12; ++tries) {
            const int16_t d = dimensions[random() % std::size(dimensions)];
            if (d + plan.parameters.cutThickness > room) continue;
            lengths.push_back(d);
            room -= d + plan.parameters.cutThickness;
        }
        std::sort(lengths.begin(), lengths.end(), std::greater<>());
        plan.patterns.append() = pattern(static_cast<int16_t>(p + 1),
                                         static_cast<int16_t>(1 + random() % 4), lengths, item);
    }
    return plan;
}

TEST(SawListTest, randomPlans_positionsAddUpFromTheTrimToTheLeftover) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 200; ++round) {
        const RandomPlan plan = randomPlan(random);
        const SawList saw = sawList(plan.list, planOf(plan.patterns, plan.stock), plan.parameters);
        ASSERT_EQ(saw.steps.size(), static_cast<size_t>(plan.patterns.count()));
        for (const SawStep& step : saw.steps) {
            const RodPattern& source = plan.patterns[step.pattern - 1];
            EXPECT_EQ(step.rods, source.rods);
            ASSERT_EQ(step.cuts.size(), static_cast<size_t>(source.pieceCount));
            int32_t before = 0;
            for (size_t i = 0; i < step.cuts.size(); ++i) {
                const SawCut& cut = step.cuts[i];
                // Every piece of the pattern once, in the pattern's order.
                EXPECT_EQ(cut.length, source.lengths[i]);
                EXPECT_EQ(cut.position, plan.parameters.trim + before + cut.length);
                EXPECT_EQ(cut.row, listRowOf(plan.list, cut.length));
                before += cut.length + plan.parameters.cutThickness;
            }
            const int32_t last =
                step.cuts.empty() ? plan.parameters.trim : step.cuts.back().position;
            EXPECT_EQ(last + step.leftover + plan.parameters.trim, step.stock.length);
            EXPECT_GE(step.leftover, 0);
            EXPECT_EQ(step.leftoverKept, step.leftover - plan.parameters.cutThickness >=
                                             plan.parameters.maxWasteDimension);
            const int16_t expectedLength =
                source.stockItem < 0
                    ? plan.parameters.rodLength
                    : plan.stock.items[static_cast<size_t>(source.stockItem)].length;
            EXPECT_EQ(step.stock.length, expectedLength);
            EXPECT_EQ(step.stock.id, source.stockItem == 2 ? "R-7" : "");
        }
        // One label per piece of every rod, in the saw list's order.
        const std::vector<PieceLabel> labels = pieceLabels({}, saw, "J", "2026-12-08");
        size_t expected = 0;
        for (const SawStep& step : saw.steps) expected += step.cuts.size() * step.rods;
        ASSERT_EQ(labels.size(), expected);
        size_t at = 0;
        for (const SawStep& step : saw.steps)
            for (int rod = 1; rod <= step.rods; ++rod)
                for (size_t i = 0; i < step.cuts.size(); ++i, ++at) {
                    EXPECT_EQ(labels[at].length, step.cuts[i].length);
                    EXPECT_EQ(labels[at].rod, rod);
                    EXPECT_EQ(labels[at].piece, static_cast<int>(i) + 1);
                }
    }
}

TEST(SawListTest, cuttingOrder_groupsStockAndFirstCutAndKeepsThePlan) {
    StockList stock;
    stock.items = {{4000, {}, {}, StockKind::Rod, ""}};
    PatternTable patterns;
    patterns.append() = pattern(1, 2, {1500, 1000});
    patterns.append() = pattern(2, 1, {2000, 1000}, 0);
    patterns.append() = pattern(3, 3, {2000, 700});
    patterns.append() = pattern(4, 1, {1500, 400});
    patterns.append() = pattern(5, 1, {2000, 1500});
    const JobParameters parameters;
    const std::vector<int> order = cuttingOrder(patterns, parameters, stock);
    // 6000 mm rods before the 4000 mm rod; on them the 2000 mm first cuts together, then 1500,
    // each group in the plan's order.
    EXPECT_EQ(order, (std::vector<int>{2, 4, 0, 3, 1}));

    std::mt19937 random(7);
    for (int round = 0; round < 100; ++round) {
        const RandomPlan plan = randomPlan(random);
        std::vector<int> shuffled = cuttingOrder(plan.patterns, plan.parameters, plan.stock);
        std::vector<int> sorted = shuffled;
        std::sort(sorted.begin(), sorted.end());
        std::vector<int> all(sorted.size());
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(sorted, all);  // every pattern once
        // A stop setting (stock length, first cut) never comes back once left.
        std::vector<std::pair<int, int>> seen;
        for (const int index : shuffled) {
            const RodPattern& p = plan.patterns[index];
            const std::pair<int, int> setting{patternStock(p, plan.parameters, plan.stock).length,
                                              p.pieceCount ? p.lengths[0] : 0};
            if (!seen.empty() && seen.back() == setting) continue;
            EXPECT_EQ(std::find(seen.begin(), seen.end(), setting), seen.end());
            seen.push_back(setting);
        }
    }
}

TEST(SawListTest, csvAndListRows_followTheDocumentedFormat) {
    // The second 1000 row and the refused row take no pieces: the first valid row is the one.
    const CuttingList list = {{"1000", "x"}, {"2000", "1"}, {"1000", "2"}, {" 1000.0 ", "3"}};
    EXPECT_EQ(listRowOf(list, 1000), 3);
    EXPECT_EQ(listRowOf(list, 2000), 2);
    EXPECT_EQ(listRowOf(list, 123), 0);

    StockList stock;
    stock.items = {{3000, 1, {}, StockKind::Offcut, "R;1"}};
    PatternTable patterns;
    patterns.append() = pattern(1, 2, {2000, 1000});
    patterns.append() = pattern(2, 1, {2000}, 0);
    JobParameters parameters;
    parameters.cutThickness = 4;
    parameters.trim = 10;
    const SawList saw = sawList(list, planOf(patterns, stock), parameters);
    EXPECT_EQ(sawListCsv(saw),
              "pattern;rods;stock_length;stock_id;cut;length;position;row\r\n"
              "1;2;6000;;1;2000;2010;2\r\n"
              "1;2;6000;;2;1000;3014;3\r\n"
              "2;1;3000;\"R;1\";1;2000;2010;2\r\n");
    EXPECT_EQ(saw.steps[0].leftover, 6000 - 10 - 3014);
    EXPECT_TRUE(saw.steps[0].leftoverKept);
    EXPECT_EQ(saw.steps[1].leftover, 980);
}

TEST(SawListTest, sawSheet_keepsEveryCutOnThePageAndNamesAPatternAgainAfterABreak) {
    PatternTable patterns;
    patterns.append() = pattern(1, 30, std::vector<int16_t>(90, 60));
    patterns.append() = pattern(2, 1, {2000});
    JobParameters parameters;
    const SawList saw = sawList({{"60", "2700"}, {"2000", "1"}}, planOf(patterns), parameters);
    const StringCatalogue catalogue(Language::English);
    const PagedDocument sheet =
        composeSawSheet({"ACME", "Frames", "White"}, saw, "2026-12-08", catalogue);
    ASSERT_EQ(sheet.pages.size(), 2u);
    std::map<std::string, int> seen;
    int boxes = 0;
    for (const DiagramPage& page : sheet.pages) {
        for (const DiagramText& text : page.texts) {
            ++seen[text.text];
            // Everything but the page number stays above the footer.
            if (!text.text.starts_with("Page ")) {
                EXPECT_LE(text.box.bottom(), diagram_geometry::kContentBottom) << text.text;
            }
        }
        for (const DiagramBox& box : page.boxes) boxes += box.outlineWidth > 0;
    }
    EXPECT_EQ(boxes, 31);             // a tick box per rod
    EXPECT_EQ(seen["Pattern 1"], 2);  // at its start and again on the next page
    EXPECT_EQ(seen["Pattern 2"], 1);
    EXPECT_EQ(seen["5934 mm"], 1);  // the last cut of pattern 1: 90 × 60 and 89 cuts of 6
    EXPECT_EQ(seen["Leftover: 66 mm \u2013 waste"], 1);
    EXPECT_EQ(seen["Page 2 / 2"], 1);
}

}  // namespace
}  // namespace marlo
