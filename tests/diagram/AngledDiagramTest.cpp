#include <gtest/gtest.h>

#include <cmath>

#include "DiagramTestSupport.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/ProductionDiagram.h"
#include "i18n/texts/MitreDiagramTexts.h"

namespace marlo {
namespace {

using namespace marlo::testing;
namespace g = diagram_geometry;

constexpr double kTolerance = 1e-6;
constexpr double kHeight = 80;                  // the profile: a 45° cut leans 80 mm
const double kKerf45 = 4 / std::cos(M_PI / 4);  // a 4 mm cut at 45°, along the rod

struct Kind {
    int length;
    double start, end;
};

// A planned material of one pattern cut from rods of 2500 mm with a 4 mm cut, its pieces (kind
// and turning) in cutting order, the pattern's lengths longest first as the planner keeps them.
MaterialPlan planOf(const std::vector<Kind>& kinds, const std::vector<PieceCut>& order, int trim,
                    int waste) {
    MaterialPlan plan;
    plan.status = MaterialPlan::Status::Planned;
    plan.parts.material = "Alu";
    plan.parts.parameters.rodLength = 2500;
    plan.parts.parameters.cutThickness = 4;
    plan.parts.parameters.trim = static_cast<int16_t>(trim);
    plan.parts.profileHeight = static_cast<int16_t>(kHeight);
    for (const Kind& kind : kinds) {
        plan.parts.list.push_back({std::to_string(kind.length), "1"});
        plan.parts.rowParts.push_back({static_cast<int>(plan.parts.rowParts.size())});
        plan.parts.rowAngles.push_back({kind.start, kind.end});
    }
    plan.result.parameters = plan.parts.parameters;
    RodPattern& pattern = plan.result.plan.patterns.append();
    pattern.rods = 1;
    pattern.sequence = 1;
    pattern.waste = static_cast<int16_t>(waste);
    pattern.pieceCount = static_cast<int16_t>(order.size());
    for (const PieceCut& cut : order)
        pattern.lengths[static_cast<size_t>(cut.slot)] =
            static_cast<int16_t>(kinds[static_cast<size_t>(cut.kind)].length);
    plan.result.plan.summary.rodCount = 1;
    plan.result.cutOrders = {order};
    return plan;
}

DiagramPage composedPage(const MaterialPlan& material) {
    ProductionPlan plan;
    plan.materials = {material};
    const DiagramLayout layout =
        composeProductionDiagram(ProductionJob{}, plan, StringCatalogue(Language::English), '.');
    EXPECT_EQ(layout.pages.size(), 1u);
    return layout.pages.at(0);
}

const DiagramBox& rodOf(const DiagramPage& page) {
    for (const DiagramBox& box : page.boxes)
        if (box.kind == BoxKind::Rod) return box;
    throw std::logic_error("no rod");
}

// The corners of a piece, reference face (the bar's lower edge) first: (start, end) there and
// (start, end) on the opposite face, mm along the rod.
void expectPiece(const DiagramPolygon& piece, const DiagramBox& rod, double referenceStart,
                 double referenceEnd, double oppositeStart, double oppositeEnd) {
    const double scale = g::kBarWidth / 2500;
    ASSERT_EQ(piece.corners.size(), 4u);
    const double expected[4][2] = {{referenceStart, rod.rect.bottom()},
                                   {referenceEnd, rod.rect.bottom()},
                                   {oppositeEnd, rod.rect.y},
                                   {oppositeStart, rod.rect.y}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(piece.corners[i].x, g::kBarLeft + expected[i][0] * scale, kTolerance) << i;
        EXPECT_NEAR(piece.corners[i].y, expected[i][1], kTolerance) << i;
    }
}

// The texts inside the bar.
std::vector<std::string> textsOnBar(const DiagramPage& page, const DiagramBox& rod) {
    std::vector<std::string> texts;
    for (const DiagramText& text : page.texts)
        if (text.box.y >= rod.rect.y && text.box.bottom() <= rod.rect.bottom() &&
            text.box.x >= g::kBarLeft)
            texts.push_back(text.text);
    return texts;
}

// The lines that lie on the bar itself: the cuts.
std::vector<DiagramLine> cutsOnBar(const DiagramPage& page, const DiagramBox& rod) {
    std::vector<DiagramLine> cuts;
    for (const DiagramLine& line : page.lines)
        if (std::min(line.y1, line.y2) >= rod.rect.y - kTolerance &&
            std::max(line.y1, line.y2) <= rod.rect.bottom() + kTolerance && line.x1 > g::kBarLeft)
            cuts.push_back(line);
    return cuts;
}

TEST(AngledDiagram, twoParallelogramsSharingACut_drawnAsTheyLieWithOneCutAndHatchedWedges) {
    // 1000 mm, 45° and -45°: each piece's cuts lean 80 mm forward, so the second piece's first
    // cut is the first piece's last.
    const MaterialPlan material = planOf({{1000, 45, -45}}, {{0, 0, false}, {1, 0, false}}, 0, 414);
    const DiagramPage page = composedPage(material);
    const DiagramBox& rod = rodOf(page);
    const double scale = g::kBarWidth / 2500;

    ASSERT_EQ(page.polygons.size(), 2u);
    const double second = 1000 + kKerf45;
    expectPiece(page.polygons[0], rod, 0, 1000, 80, 1080);
    expectPiece(page.polygons[1], rod, second, second + 1000, second + 80, second + 1080);
    EXPECT_EQ(page.polygons[0].fill, page.polygons[1].fill);

    // One line for the shared cut, along the middle of its kerf and leaning with it.
    const std::vector<DiagramLine> cuts = cutsOnBar(page, rod);
    ASSERT_EQ(cuts.size(), 1u);
    const double middle = (1000 + second) / 2;
    EXPECT_NEAR(cuts[0].x1, g::kBarLeft + middle * scale, kTolerance);
    EXPECT_NEAR(cuts[0].y1, rod.rect.bottom(), kTolerance);
    EXPECT_NEAR(cuts[0].x2, g::kBarLeft + (middle + 80) * scale, kTolerance);
    EXPECT_NEAR(cuts[0].y2, rod.rect.y, kTolerance);

    // The rod behind the pieces is hatched from its start to the waste's end: the wedge before
    // the first piece, the one after the last and the remnant show where no piece covers it.
    const double lengthUsed = second + 1080;
    ASSERT_EQ(page.hatches.size(), 1u);
    EXPECT_NEAR(page.hatches[0].rect.x, g::kBarLeft, kTolerance);
    EXPECT_NEAR(page.hatches[0].rect.right(), g::kBarLeft + (lengthUsed + 414) * scale, kTolerance);
    int wastes = 0;
    for (const DiagramBox& box : page.boxes) {
        if (box.kind == BoxKind::Piece) ADD_FAILURE() << "a rectangle for an angled piece";
        if (box.kind != BoxKind::Waste) continue;
        ++wastes;
        EXPECT_NEAR(box.rect.x, g::kBarLeft + lengthUsed * scale, kTolerance);
        EXPECT_EQ(box.length, 414);
    }
    EXPECT_EQ(wastes, 1);

    EXPECT_EQ(textsOnBar(page, rod), (std::vector<std::string>{"1000", "1000", "414"}));
    EXPECT_TRUE(
        contains(textsOf(page),
                 StringCatalogue(Language::English).text(mitre_diagram_text::kReferenceFaceBelow)));
}

TEST(AngledDiagram, squarePieceThenTurnedTrapezoid_inCuttingOrderAfterTheTrimWithAWedgeBetween) {
    // The pattern's lengths are longest first, the saw cuts the square 700 first, then the
    // 1200 with two 45° ends turned over: its long face is on the rod's opposite face.
    const MaterialPlan material =
        planOf({{1200, 45, 45}, {700, 0, 0}}, {{1, 1, false}, {0, 0, true}}, 10, 584);
    const DiagramPage page = composedPage(material);
    const DiagramBox& rod = rodOf(page);

    ASSERT_EQ(page.polygons.size(), 2u);
    expectPiece(page.polygons[0], rod, 10, 710, 10, 710);
    // Its first cut leans 80 mm back: its reference face starts the kerf and 80 mm later.
    const double start = 710 + kKerf45 + 80;
    expectPiece(page.polygons[1], rod, start, start + 1040, start - 80, start + 1120);
    EXPECT_NE(page.polygons[0].fill, page.polygons[1].fill);

    // Each end has its own cut: no line across the bar, the wedge between them is waste.
    EXPECT_TRUE(cutsOnBar(page, rod).empty());
    EXPECT_EQ(textsOnBar(page, rod), (std::vector<std::string>{"700", "1200", "584"}));
}

}  // namespace
}  // namespace marlo
