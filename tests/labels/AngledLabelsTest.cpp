#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ProductionPlanFixture.h"
#include "diagram/TextMetrics.h"
#include "labels/LabelComposer.h"
#include "labels/PieceLabels.h"

namespace marlo {
namespace {

bool inside(double x, double y, const RectMm& rect) {
    constexpr double e = 1e-9;
    return x >= rect.x - e && x <= rect.right() + e && y >= rect.y - e && y <= rect.bottom() + e;
}

bool inside(const RectMm& inner, const RectMm& outer) {
    return inside(inner.x, inner.y, outer) && inside(inner.right(), inner.bottom(), outer);
}

bool overlap(const RectMm& a, const RectMm& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// Where a text's letters are: its box narrowed to the text's width on the side it keeps to.
RectMm lettersOf(const DiagramText& text) {
    const double width = textWidthMm(text.text, text.sizePt, text.bold);
    double x = text.box.x;
    if (text.align == TextAlign::Right) x = text.box.right() - width;
    if (text.align == TextAlign::Centre) x += (text.box.width - width) / 2;
    return {x, text.box.y, width, text.box.height};
}

// What one sticker of a page holds, in a form that compares whole.
struct Sticker {
    std::vector<std::tuple<std::string, double, double, double, double, double, bool, TextAlign>>
        texts;
    std::vector<std::tuple<double, double, double, double>> bars;
    std::vector<const DiagramText*> shown;
    std::vector<DiagramLine> lines;
};

Sticker stickerOf(const PagedDocument& document, const LabelSheetLayout& layout, int index) {
    const LabelPlace place = labelPlace(layout, 1, index);
    const DiagramPage& page = document.pages.at(static_cast<size_t>(place.page));
    Sticker sticker;
    for (const DiagramText& text : page.texts)
        if (inside(text.box, place.rect)) {
            sticker.texts.emplace_back(text.text, text.box.x, text.box.y, text.box.width,
                                       text.box.height, text.sizePt, text.bold, text.align);
            sticker.shown.push_back(&text);
        }
    for (const DiagramBox& box : page.boxes)
        if (inside(box.rect, place.rect))
            sticker.bars.emplace_back(box.rect.x, box.rect.y, box.rect.width, box.rect.height);
    for (const DiagramLine& line : page.lines)
        if (inside(line.x1, line.y1, place.rect) && inside(line.x2, line.y2, place.rect))
            sticker.lines.push_back(line);
    return sticker;
}

// The posts of the aluminium (part 5) are cut at 45° and −22.5° from a profile 70 mm high: their
// labels carry both angles and the post's outline, which every layout has room for; every other
// label is the one the same job without angles gives.
TEST(AngledLabelsTest, angledPart_labelShowsBothAnglesAndItsOutline_squarePartsUnchanged) {
    const ProductionJob job = fixture::angledJob();
    const ProductionJob square = fixture::threeMaterialJob();
    const std::vector<PieceLabel> labels =
        productionPieceLabels(job, fixture::threeMaterialPlan(job), "JOB", "2026-12-10");
    const std::vector<PieceLabel> squareLabels =
        productionPieceLabels(square, fixture::threeMaterialPlan(square), "JOB", "2026-12-10");
    ASSERT_EQ(labels.size(), squareLabels.size());
    int posts = 0;
    for (size_t i = 0; i < labels.size(); ++i) {
        ASSERT_EQ(labels[i].code, squareLabels[i].code);
        const LabelPart& part = *labels[i].part;
        const bool post = labels[i].row == 5;
        EXPECT_EQ(part.angled(), post) << labels[i].code;
        EXPECT_EQ(part.startAngle, post ? 45 : 0);
        EXPECT_EQ(part.endAngle, post ? -22.5 : 0);
        EXPECT_EQ(part.profileHeight, post ? 70 : 0);
        posts += post;
    }
    EXPECT_EQ(posts, 3);

    const StringCatalogue catalogue(Language::English);
    for (const LabelSheetLayout& layout : labelSheetLayouts()) {
        SCOPED_TRACE(layout.name);
        const PagedDocument document = composePieceLabels(labels, layout, 1, catalogue);
        const PagedDocument squareDocument = composePieceLabels(squareLabels, layout, 1, catalogue);
        for (size_t i = 0; i < labels.size(); ++i) {
            const int index = static_cast<int>(i);
            const Sticker sticker = stickerOf(document, layout, index);
            const Sticker before = stickerOf(squareDocument, layout, index);
            EXPECT_EQ(sticker.bars, before.bars) << labels[i].code;
            if (labels[i].row != 5) {
                EXPECT_EQ(sticker.texts, before.texts) << labels[i].code;
                EXPECT_EQ(sticker.texts.size(), 7u);
                for (const DiagramText* text : sticker.shown)
                    EXPECT_EQ(text->text.find("\u00b0"), std::string::npos) << text->text;
                EXPECT_TRUE(sticker.lines.empty());
                continue;
            }
            const auto angles = std::find_if(sticker.shown.begin(), sticker.shown.end(),
                                             [](const DiagramText* text) {
                                                 return text->text == "45\u00b0 | \u221222.5\u00b0";
                                             });
            ASSERT_NE(angles, sticker.shown.end()) << labels[i].code;
            EXPECT_TRUE((*angles)->bold);
            for (const std::string& whole : {std::string("2300 mm"), std::string("W14 post"),
                                             std::string("2026-12-10"), labels[i].code})
                EXPECT_TRUE(
                    std::any_of(sticker.shown.begin(), sticker.shown.end(),
                                [&](const DiagramText* text) { return text->text == whole; }))
                    << whole;

            // Texts apart from each other, from the barcode and from the outline, which keeps
            // within the printed part of the sticker.
            const RectMm sticky = labelPlace(layout, 1, index).rect;
            const LabelFaceBoxes face = labelFaceBoxes(sticky, DetailLines::Two);
            for (const DiagramText* text : sticker.shown) {
                EXPECT_FALSE(overlap(text->box, face.barcode)) << text->text;
                for (const DiagramText* other : sticker.shown)
                    if (other != text) {
                        EXPECT_FALSE(overlap(text->box, other->box)) << text->text;
                    }
            }
            ASSERT_EQ(sticker.lines.size(), 4u);
            double left = sticky.right(), right = sticky.x, top = sticky.bottom(),
                   bottom = sticky.y;
            for (const DiagramLine& line : sticker.lines) {
                left = std::min({left, line.x1, line.x2});
                right = std::max({right, line.x1, line.x2});
                top = std::min({top, line.y1, line.y2});
                bottom = std::max({bottom, line.y1, line.y2});
            }
            const RectMm outline{left, top, right - left, bottom - top};
            EXPECT_TRUE(inside(outline, {face.heading.x, face.big.y, face.heading.width,
                                         face.barcode.y - face.big.y}));
            for (const DiagramText* text : sticker.shown)
                EXPECT_FALSE(overlap(lettersOf(*text), outline)) << text->text;

            // The reference face below and heavier, the opposite face above; the cuts lean at
            // their angles: at the +45° start the opposite face begins one height later, at the
            // −22.5° end it reaches tan 22.5° heights beyond the reference face.
            const double height = bottom - top;
            double faces[2] = {0, 0};
            std::vector<std::pair<double, double>> cuts;  // x on the reference face, lean
            for (const DiagramLine& line : sticker.lines) {
                if (line.y1 == line.y2) {
                    EXPECT_TRUE(line.y1 == bottom || line.y1 == top);
                    faces[line.y1 == top] = std::abs(line.x2 - line.x1);
                    EXPECT_EQ(line.width > 0.3, line.y1 == bottom);
                    continue;
                }
                EXPECT_NEAR(std::abs(line.y2 - line.y1), height, 1e-9);
                const bool downwards = line.y1 < line.y2;
                const double topX = downwards ? line.x1 : line.x2;
                const double bottomX = downwards ? line.x2 : line.x1;
                cuts.emplace_back(bottomX, topX - bottomX);
            }
            ASSERT_EQ(cuts.size(), 2u);
            std::sort(cuts.begin(), cuts.end());
            const double tan22 = std::tan(22.5 * std::acos(-1.0) / 180);
            EXPECT_NEAR(cuts[0].second, height, 1e-9);
            EXPECT_NEAR(cuts[1].second, height * tan22, 1e-9);
            EXPECT_NEAR(faces[0], cuts[1].first - cuts[0].first, 1e-9);
            EXPECT_GT(faces[0], 2 * height);
            EXPECT_NEAR(faces[1], faces[0] - height * (1 - tan22), 1e-9);
        }
    }
}

}  // namespace
}  // namespace marlo
