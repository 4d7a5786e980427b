#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DiagramTestSupport.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/DimensionColours.h"
#include "i18n/texts/DiagramTexts.h"

namespace marlo {
namespace {

using namespace marlo::testing;
namespace g = diagram_geometry;

constexpr double kTolerance = 1e-6;

bool overlap(const RectMm& a, const RectMm& b) {
    return a.x < b.right() - kTolerance && b.x < a.right() - kTolerance &&
           a.y < b.bottom() - kTolerance && b.y < a.bottom() - kTolerance;
}

const DiagramBox* rodOf(const DiagramPage& page, int pattern) {
    for (const DiagramBox& box : page.boxes)
        if (box.kind == BoxKind::Rod && box.pattern == pattern) return &box;
    return nullptr;
}

// The lengths a bar tells the reader: the texts inside its boxes and the entries of the list
// below it ("n × length", "length", "Waste 12", "sliver -6"): the lengths of the pieces and
// the waste, and the entries that name the waste or a sliver.
struct BarTexts {
    std::multiset<int> pieces;
    std::vector<std::string> others;
};

BarTexts barTexts(const DiagramPage& page, int pattern, const std::string& waste = "Waste") {
    const DiagramBox* rod = rodOf(page, pattern);
    const DiagramBox* next = rodOf(page, pattern + 1);
    const double end = next ? next->rect.y : g::kContentBottom;
    BarTexts read;
    for (const DiagramText& text : page.texts) {
        if (text.box.x < g::kBarLeft || text.box.y < rod->rect.y || text.box.y >= end) continue;
        const size_t times = text.text.find(" \u00D7 ");
        if (times != std::string::npos) {
            const int count = std::stoi(text.text.substr(0, times));
            for (int i = 0; i < count; ++i)
                read.pieces.insert(std::stoi(text.text.substr(times + 3)));
        } else if (std::isdigit(static_cast<unsigned char>(text.text[0]))) {
            read.pieces.insert(std::stoi(text.text));
        } else {
            read.others.push_back(text.text);
            if (text.text.starts_with(waste + " "))
                read.pieces.insert(std::stoi(text.text.substr(waste.size() + 1)));
        }
    }
    return read;
}

TEST(DiagramComposer, workedExample_drawsEveryPieceToScaleWithCutsWasteHeaderAndLegend) {
    std::vector<RodPattern> patterns = {patternOf(2, {2000, 1500, 1000, 1000}, 6000, 6),
                                        patternOf(1, {2000}, 6000, 6)};
    numberPatterns(patterns);
    DiagramSource source = sourceOf(patterns, 6000, 6);
    source.totals.calculatedPossibilities = 49;
    const StringCatalogue english(Language::English);
    DiagramLayout layout = composeDiagram(source, english);

    ASSERT_EQ(layout.pages.size(), 1u);
    const DiagramPage& page = layout.pages[0];
    const double scale = g::kBarWidth / 6000;
    // Pieces, each followed by its 6 mm cut, then the hatched waste up to the rod's end.
    const std::vector<std::pair<double, int>> expected = {
        {0, 2000}, {2006, 1500}, {3512, 1000}, {4518, 1000}};
    std::vector<const DiagramBox*> pieces, wastes;
    for (const DiagramBox& box : page.boxes) {
        if (box.pattern == 0 && box.kind == BoxKind::Piece) pieces.push_back(&box);
        if (box.pattern == 0 && box.kind == BoxKind::Waste) wastes.push_back(&box);
    }
    ASSERT_EQ(pieces.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(pieces[i]->rect.x, g::kBarLeft + expected[i].first * scale, kTolerance);
        EXPECT_NEAR(pieces[i]->rect.width, expected[i].second * scale, kTolerance);
        EXPECT_EQ(pieces[i]->length, expected[i].second);
    }
    ASSERT_EQ(wastes.size(), 1u);
    EXPECT_NEAR(wastes[0]->rect.x, g::kBarLeft + 5524 * scale, kTolerance);
    EXPECT_NEAR(wastes[0]->rect.right(), g::kBarLeft + g::kBarWidth, kTolerance);
    EXPECT_EQ(page.hatches.size(), 2u);
    // Four cuts in the first bar (after every piece, the waste follows), one in the second.
    int cuts = 0;
    for (const DiagramLine& line : page.lines)
        if (line.x1 == line.x2 && line.y2 - line.y1 == g::kBarHeight) ++cuts;
    EXPECT_EQ(cuts, 5);

    const BarTexts first = barTexts(page, 0);
    EXPECT_EQ(first.pieces, (std::multiset<int>{2000, 1500, 1000, 1000, 476}));
    EXPECT_EQ(barTexts(page, 1).pieces, (std::multiset<int>{2000, 3994}));

    const std::vector<std::string> texts = textsOf(page);
    for (const char* shown :
         {"Cutting diagram", "ACME", "Frames", "White", "6000 mm", "6 mm", "2026-12-08", "3",
          "4946 mm", "72.52 %", "× 2", "× 1", "3 pieces", "2 pieces", "4 pieces", "Page 1 / 1"})
        EXPECT_TRUE(contains(texts, shown)) << shown;
    EXPECT_FALSE(contains(texts, "Lower bound (rods):"));
    source.lowerBound = 3;
    source.decimalSeparator = ',';
    const std::vector<std::string> withBound = textsOf(composeDiagram(source, english).pages[0]);
    EXPECT_TRUE(contains(withBound, "Lower bound (rods):"));
    EXPECT_TRUE(contains(withBound, "72,52 %"));
}

TEST(DiagramComposer, crowdedAndOddBars_keepTextsApartAndTellEveryLength) {
    std::vector<int> distinct, equal(97, 55);
    for (int i = 0; i < 97; ++i) distinct.push_back(30 + i);
    std::vector<int> mixed = {1400, 900, 320, 150, 150, 150, 80, 61, 61, 45};
    std::vector<RodPattern> patterns = {
        patternOf(1, distinct, 6000, 6),      // 97 distinct narrow pieces, long waste
        patternOf(3, equal, 6000, 6),         // 97 equal pieces, waste 83
        patternOf(2, {2994, 2994}, 6000, 6),  // a 6 mm sliver
        patternOf(1, {2995, 2995}, 6000, 6),  // a 4 mm sliver
        patternOf(4, {3000, 2994}, 6000, 6),  // no waste
        patternOf(1, {2990, 2990}, 6000, 6),  // a waste too narrow for its length
        patternOf(1, mixed, 6000, 6)};
    numberPatterns(patterns);
    ASSERT_EQ(patterns[2].waste, -6);
    ASSERT_EQ(patterns[4].waste, 0);
    ASSERT_EQ(patterns[5].waste, 8);
    DiagramSource source = sourceOf(patterns, 6000, 6);
    source.header.customer = std::string(300, 'W');

    for (const Language language : kAllLanguages) {
        const StringCatalogue catalogue(language);
        const DiagramLayout layout = composeDiagram(source, catalogue);
        for (const DiagramPage& page : layout.pages) {
            for (size_t i = 0; i < page.texts.size(); ++i) {
                const RectMm& box = page.texts[i].box;
                EXPECT_GE(box.x, g::kLeft - kTolerance) << page.texts[i].text;
                EXPECT_LE(box.right(), g::kRight + kTolerance) << page.texts[i].text;
                for (size_t j = i + 1; j < page.texts.size(); ++j)
                    EXPECT_FALSE(overlap(box, page.texts[j].box))
                        << page.texts[i].text << " | " << page.texts[j].text;
            }
        }
        const DiagramPage& page = layout.pages[0];
        for (size_t p = 0; p < patterns.size(); ++p) {
            const BarTexts read = barTexts(page, static_cast<int>(p), catalogue.text(11));
            std::multiset<int> expected(patterns[p].lengths.begin(),
                                        patterns[p].lengths.begin() + patterns[p].pieceCount);
            if (patterns[p].waste > 0) expected.insert(patterns[p].waste);
            EXPECT_EQ(read.pieces, expected) << "pattern " << p + 1;
        }
        const std::string sliver = catalogue.text(diagram_text::kSliver);
        EXPECT_EQ(barTexts(page, 2).others, std::vector<std::string>{sliver + " 6 mm"});
        EXPECT_EQ(barTexts(page, 3).others, std::vector<std::string>{sliver + " 4 mm"});
        EXPECT_TRUE(barTexts(page, 4).others.empty());
        EXPECT_EQ(barTexts(page, 5, catalogue.text(11)).others,
                  std::vector<std::string>{catalogue.text(11) + " 8"});
    }
    // A sliver is marked at the rod's end, at least as wide as it is.
    const DiagramLayout layout = composeDiagram(source, StringCatalogue(Language::English));
    int slivers = 0;
    for (const DiagramBox& box : layout.pages[0].boxes) {
        if (box.kind != BoxKind::Sliver) continue;
        ++slivers;
        EXPECT_NEAR(box.rect.right(), g::kBarLeft + g::kBarWidth, kTolerance);
        EXPECT_GE(box.rect.width, -box.length * g::kBarWidth / 6000);
    }
    EXPECT_EQ(slivers, 2);
}

// A plan from a stock of many lengths, with a trim and a proven price: in every language each
// text of the page is whole, with nothing cut off.
TEST(DiagramComposer, headerOfAPlanFromStock_showsEveryTextWhole) {
    const std::vector<int> lengths = {6500, 6000, 4000, 2200, 1800};
    std::vector<RodPattern> patterns;
    for (size_t i = 0; i < lengths.size(); ++i) {
        patterns.push_back(patternOf(1, {1700}, lengths[i], 6));
        patterns.back().stockItem = static_cast<int16_t>(i);
    }
    numberPatterns(patterns);
    DiagramSource source = sourceOf(patterns, 6000, 6);
    for (const int length : lengths)
        source.stock.items.push_back({static_cast<int16_t>(length), 1, 343.5, StockKind::Rod, ""});
    source.stock.material = "Aluminium profile 40 x 40";
    source.parameters.trim = 10;
    source.lowerBound = 5;
    source.priceLowerBound = 343.5;
    source.priceProven = true;
    for (const Language language : kAllLanguages) {
        const DiagramLayout layout = composeDiagram(source, StringCatalogue(language));
        for (const DiagramText& text : layout.pages[0].texts)
            EXPECT_EQ(text.text.find("\u2026"), std::string::npos) << text.text;
    }
}

TEST(DiagramComposer, hundredsOfPatterns_breakPagesBetweenBarsOnlyAndNumberThePages) {
    std::vector<RodPattern> patterns;
    for (int i = 0; i < 300; ++i)
        patterns.push_back(patternOf(1 + i % 7, {1000 + i, 700 + i % 50, 95, 95, 40}, 6000, 6));
    numberPatterns(patterns);
    const DiagramLayout layout =
        composeDiagram(sourceOf(patterns, 6000, 6), StringCatalogue(Language::Slovak));

    ASSERT_GT(layout.pages.size(), 5u);
    const std::string count = std::to_string(layout.pages.size());
    int nextPattern = 0;
    for (size_t p = 0; p < layout.pages.size(); ++p) {
        const DiagramPage& page = layout.pages[p];
        const std::string number = "Strana " + std::to_string(p + 1) + " / " + count;
        EXPECT_TRUE(contains(textsOf(page), number)) << number;
        if (p > 0) {
            EXPECT_EQ(page.texts.front().text, "Plán rezania \u2013 ACME \u2013 Frames");
        }
        // Every box and text of a bar is on the page of its rod, above the footer, and the
        // bars follow in the order of the result.
        std::set<int> onPage;
        for (const DiagramBox& box : page.boxes) {
            if (box.pattern < 0) continue;
            onPage.insert(box.pattern);
            EXPECT_LE(box.rect.bottom(), g::kContentBottom);
        }
        for (const int pattern : onPage) EXPECT_EQ(pattern, nextPattern++);
        for (const DiagramText& text : page.texts) {
            if (text.box.y < g::kFooterTop) {
                EXPECT_LE(text.box.bottom(), g::kContentBottom);
            }
        }
    }
    EXPECT_EQ(nextPattern, 300);
}

TEST(DimensionColours, oneColourPerDimensionEverywhereNeighboursDifferInGrey) {
    std::vector<RodPattern> patterns = {
        patternOf(2, {2000, 1500, 1000, 1000}, 6000, 6), patternOf(1, {2000, 1200, 800}, 6000, 6),
        patternOf(3, {1500, 1200, 900, 800, 500}, 6000, 6), patternOf(1, {900, 700, 500}, 6000, 6)};
    numberPatterns(patterns);
    const DiagramSource source = sourceOf(patterns, 6000, 6);
    const DiagramLayout layout = composeDiagram(source, StringCatalogue(Language::German));

    std::map<int, Colour> seen;
    for (const DiagramBox& box : layout.pages[0].boxes) {
        if (box.kind != BoxKind::Piece && box.kind != BoxKind::Swatch) continue;
        const auto [known, added] = seen.emplace(box.length, box.fill);
        EXPECT_EQ(known->second, box.fill) << box.length;
    }
    EXPECT_EQ(seen.size(), 8u);
    for (const RodPattern& pattern : patterns)
        for (int i = 1; i < pattern.pieceCount; ++i) {
            if (pattern.lengths[i] == pattern.lengths[i - 1]) continue;
            const Colour a = seen[pattern.lengths[i]], b = seen[pattern.lengths[i - 1]];
            EXPECT_GT(std::abs(greyValue(a) - greyValue(b)), 20)
                << pattern.lengths[i - 1] << " beside " << pattern.lengths[i];
        }
    // The same result gets the same colours again.
    EXPECT_EQ(dimensionColours(source.patterns), dimensionColours(source.patterns));
}

}  // namespace
}  // namespace marlo
