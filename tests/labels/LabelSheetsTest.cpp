#include <gtest/gtest.h>

#include "diagram/TextMetrics.h"
#include "labels/Code128.h"
#include "labels/LabelCode.h"
#include "labels/LabelComposer.h"
#include "labels/LabelSheets.h"

namespace marlo {
namespace {

bool inside(const RectMm& inner, const RectMm& outer) {
    constexpr double e = 1e-9;
    return inner.x >= outer.x - e && inner.y >= outer.y - e && inner.right() <= outer.right() + e &&
           inner.bottom() <= outer.bottom() + e;
}

bool overlap(const RectMm& a, const RectMm& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

std::vector<PieceLabel> someLabels(int count) {
    std::vector<PieceLabel> labels;
    for (int i = 0; i < count; ++i) {
        PieceLabel label;
        label.header = {"Stavebniny Kováč a synovia, s. r. o.", "Okenné rámy južná fasáda",
                        "RAL 9016 biela"};
        label.length = static_cast<int16_t>(i % 2 ? 12345 : 700);
        label.row = 17;
        label.pattern = 12;
        label.rod = 140 + i;
        label.rods = 160;
        label.piece = 1 + i % 9;
        label.date = "2026-12-08";
        label.code = pieceLabelCode("KOVACSYN", label.row, label.pattern, label.rod, label.piece);
        labels.push_back(label);
    }
    return labels;
}

// Every text and bar of the document belongs to the sticker its label was given, stays inside
// it, and no two texts of one sticker share space; the first `start - 1` stickers stay empty.
void expectLabelsApart(const PagedDocument& document, const LabelSheetLayout& layout, int start,
                       int count, size_t textsPerLabel) {
    const int stickers = start - 1 + count;
    ASSERT_EQ(document.pages.size(), static_cast<size_t>((stickers + layout.labelsPerPage() - 1) /
                                                         layout.labelsPerPage()));
    EXPECT_EQ(document.pageWidth, layout.pageWidth);
    size_t texts = 0, bars = 0;
    for (int sticker = 0; sticker < stickers; ++sticker) {
        const LabelPlace place = labelPlace(layout, 1, sticker);
        EXPECT_TRUE(inside(place.rect, {0, 0, layout.pageWidth, layout.pageHeight}));
        const DiagramPage& page = document.pages[static_cast<size_t>(place.page)];
        std::vector<const DiagramText*> own;
        for (const DiagramText& text : page.texts)
            if (inside(text.box, place.rect)) own.push_back(&text);
        size_t ownBars = 0;
        for (const DiagramBox& box : page.boxes) ownBars += inside(box.rect, place.rect);
        if (sticker < start - 1) {
            EXPECT_TRUE(own.empty() && ownBars == 0) << layout.name << " sticker " << sticker;
            continue;
        }
        EXPECT_EQ(own.size(), textsPerLabel) << layout.name;
        EXPECT_GT(ownBars, 10u);
        const LabelFaceBoxes face = labelFaceBoxes(place.rect);
        for (const DiagramBox& box : page.boxes)
            if (inside(box.rect, place.rect)) {
                EXPECT_TRUE(inside(box.rect, face.barcode));
            }
        for (size_t a = 0; a < own.size(); ++a) {
            EXPECT_LE(textWidthMm(own[a]->text, own[a]->sizePt, own[a]->bold),
                      own[a]->box.width + 1e-9)
                << own[a]->text;
            EXPECT_FALSE(overlap(own[a]->box, face.barcode)) << own[a]->text;
            for (size_t b = a + 1; b < own.size(); ++b)
                EXPECT_FALSE(overlap(own[a]->box, own[b]->box))
                    << layout.name << ": " << own[a]->text << " / " << own[b]->text;
        }
        texts += own.size();
        bars += ownBars;
    }
    size_t allTexts = 0, allBars = 0;
    for (const DiagramPage& page : document.pages) {
        allTexts += page.texts.size();
        allBars += page.boxes.size();
    }
    EXPECT_EQ(texts, allTexts) << "a text outside every sticker on " << layout.name;
    EXPECT_EQ(bars, allBars);
}

TEST(LabelSheetsTest, everyLayout_keepsLabelsInsideTheirStickersAndTextsApart) {
    const StringCatalogue catalogue(Language::German);
    for (const LabelSheetLayout& layout : labelSheetLayouts()) {
        SCOPED_TRACE(layout.name);
        const int count = 2 * layout.labelsPerPage() + 3;
        expectLabelsApart(composePieceLabels(someLabels(count), layout, 1, catalogue), layout, 1,
                          count, 6);
        // A partly used sheet: the labels begin at the last sticker of the first sheet.
        const int last = layout.labelsPerPage();
        expectLabelsApart(composePieceLabels(someLabels(count), layout, last, catalogue), layout,
                          last, count, 6);
        const std::vector<OffcutLabel> offcuts = {
            {"Hliníkový profil 40 × 40 eloxovaný", 1234, "R-000123", "KOVACSYN 12/3"},
            {"St 37", 512, "R-9", "Job 7"}};
        expectLabelsApart(composeOffcutLabels(offcuts, layout, 1, catalogue), layout, 1, 2, 5);
    }
}

TEST(LabelSheetsTest, layoutsAndStartPositions_areCheckedAndSkipped) {
    ASSERT_EQ(labelSheetLayouts().front().name, kDefaultLabelLayout);
    const LabelSheetLayout* sheet = findLabelSheetLayout("a4-3x8");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->labelsPerPage(), 24);
    EXPECT_EQ(findLabelSheetLayout("a4-2x7")->labelsPerPage(), 14);
    EXPECT_TRUE(findLabelSheetLayout("roll-62x29")->isRoll());
    EXPECT_TRUE(findLabelSheetLayout("roll-100x50")->isRoll());
    EXPECT_EQ(findLabelSheetLayout("a4-4x10"), nullptr);
    EXPECT_EQ(labelLayoutNames(), "a4-3x8\na4-2x7\nroll-62x29\nroll-100x50\n");

    EXPECT_FALSE(validLabelStart(*sheet, 0));
    EXPECT_TRUE(validLabelStart(*sheet, 24));
    EXPECT_FALSE(validLabelStart(*sheet, 25));
    EXPECT_FALSE(validLabelStart(*findLabelSheetLayout("roll-62x29"), 2));
    // Start 5 on 3 × 8: the first label takes the second sticker of the second row, the
    // twentieth goes to the top left of the next sheet.
    const LabelPlace first = labelPlace(*sheet, 5, 0);
    EXPECT_EQ(first.page, 0);
    EXPECT_DOUBLE_EQ(first.rect.x, 70);
    EXPECT_DOUBLE_EQ(first.rect.y, 0.5 + 37);
    const LabelPlace twentieth = labelPlace(*sheet, 5, 20);
    EXPECT_EQ(twentieth.page, 1);
    EXPECT_DOUBLE_EQ(twentieth.rect.x, 0);
    EXPECT_DOUBLE_EQ(twentieth.rect.y, 0.5);
}

TEST(LabelSheetsTest, barcodeText_isShortPlainAscii) {
    EXPECT_EQ(labelReference("/jobs/Zákazka-12 final.opt", "ignored"), "Zakazka1");
    EXPECT_EQ(labelReference("", "Kováč & Syn"), "KovacSyn");
    EXPECT_EQ(labelReference("", "ÖÄÜß"), "OAUs");
    EXPECT_EQ(labelReference("", "  "), "JOB");
    // Job files of names without Latin letters keep different references, each the same on
    // every print, after the customer's letters.
    const std::string japanese = labelReference("/jobs/\u65E5\u672C.opt", "");
    const std::string greek = labelReference("/jobs/\u03A9\u03BC\u03AD\u03B3\u03B1.opt", "");
    const std::string marks = labelReference("/jobs/!!!.opt", "");
    EXPECT_EQ(japanese.size(), 6u);
    EXPECT_NE(japanese, greek);
    EXPECT_NE(japanese, marks);
    EXPECT_NE(greek, marks);
    EXPECT_EQ(labelReference("/other/!!!.opt", ""), marks);
    EXPECT_EQ(labelReference("/jobs/!!!.opt", "ACME"), "AC" + marks);
    EXPECT_EQ(pieceLabelCode("ACME", 3, 2, 4, 1), "ACME/3/2/4/1");

    const std::optional<Code128Symbol> symbol = encodeCode128("ACME/3/2/4/1");
    ASSERT_TRUE(symbol);
    // Code 128 ends every symbol with the two-module bar of its stop pattern.
    EXPECT_GT(symbol->modules, 100);
    EXPECT_DOUBLE_EQ(symbol->bars.back().x + symbol->bars.back().width, symbol->modules);
    EXPECT_FALSE(encodeCode128(""));
    EXPECT_FALSE(encodeCode128("Kováč"));
}

}  // namespace
}  // namespace marlo
