#include <gtest/gtest.h>

#include "DiagramTestSupport.h"
#include "diagram/DiagramGeometry.h"

namespace marlo {
namespace {

namespace g = diagram_geometry;
using testing::contains;
using testing::numberPatterns;
using testing::patternOf;
using testing::sourceOf;
using testing::textsOf;

constexpr double kTolerance = 1e-6;

const DiagramBox& rodOf(const DiagramPage& page, int pattern) {
    for (const DiagramBox& box : page.boxes)
        if (box.pattern == pattern && box.kind == BoxKind::Rod) return box;
    throw std::logic_error("no rod");
}

const DiagramBox& firstPieceOf(const DiagramPage& page, int pattern) {
    for (const DiagramBox& box : page.boxes)
        if (box.pattern == pattern && box.kind == BoxKind::Piece) return box;
    throw std::logic_error("no piece");
}

TEST(StockDiagram, barsOfSeveralStockLengths_areDrawnToOneScaleAndNamed) {
    // 3000 + 3000 from a 6500 mm rod and 2000 from an offcut of 2100, trimmed 10 mm at each end.
    std::vector<RodPattern> patterns = {patternOf(2, {3000, 3000}, 6480, 6),
                                        patternOf(1, {2000}, 2080, 6)};
    patterns[0].stockItem = 0;
    patterns[1].stockItem = 1;
    numberPatterns(patterns);
    DiagramSource source = sourceOf(patterns, 6000, 6);
    source.parameters.trim = 10;
    source.stock.items = {{6500, std::nullopt, std::nullopt, StockKind::Rod, ""},
                          {2100, 1, std::nullopt, StockKind::Offcut, "R-0042"}};
    source.priceLowerBound = 13.0;
    source.priceProven = true;
    const DiagramPage page = composeDiagram(source, StringCatalogue(Language::English)).pages[0];

    const double scale = g::kBarWidth / 6500;
    EXPECT_NEAR(rodOf(page, 0).rect.width, g::kBarWidth, kTolerance);
    EXPECT_NEAR(rodOf(page, 1).rect.width, 2100 * scale, kTolerance) << "its own length";
    EXPECT_EQ(rodOf(page, 1).length, 2100);
    // The pieces start after the trim.
    EXPECT_NEAR(firstPieceOf(page, 1).rect.x, g::kBarLeft + 10 * scale, kTolerance);
    const std::vector<std::string> texts = textsOf(page);
    for (const char* shown : {"6500 mm new rod", "2100 mm R-0042", "6500/2100 mm", "13.00",
                              "13.00 proven optimal", "10 mm"})
        EXPECT_TRUE(contains(texts, shown)) << shown;
}

}  // namespace
}  // namespace marlo
