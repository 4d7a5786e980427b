#include "diagram/HeaderBlocks.h"

#include <algorithm>
#include <functional>

#include "diagram/BarBlock.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/TextMetrics.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "optimiser/NumberFormats.h"
#include "optimiser/StockTotals.h"
#include "version.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kFieldPt = 8;
constexpr double kFieldRow = 4.2;
// The job's texts take the widest column, the numbers the narrower ones.
constexpr double kColumnWidths[] = {78, 50, 58};
constexpr double kLegendColumns = 6;
constexpr double kLegendWidth = (g::kRight - g::kLeft) / kLegendColumns;
constexpr double kLegendRow = 5;

DiagramText textAt(double x, double y, double width, std::string text, double sizePt, bool bold,
                   TextAlign align = TextAlign::Left) {
    DiagramText placed;
    placed.text = elideText(text, sizePt, bold, width);
    placed.box = {x, y, width, lineHeightMm(sizePt)};
    placed.sizePt = sizePt;
    placed.bold = bold;
    placed.align = align;
    return placed;
}

// A caption with its value in one column of the header; the value takes the rest of the
// column, the caption at most two thirds of it.
void addField(DiagramPage& page, int column, int row, double top, const std::string& caption,
              const std::string& value) {
    double x = g::kLeft;
    for (int i = 0; i < column; ++i) x += kColumnWidths[i];
    const double width = kColumnWidths[column];
    const double y = top + row * kFieldRow;
    const std::string shownCaption = elideText(caption + ":", kFieldPt, false, width * 2 / 3);
    const double captionWidth = textWidthMm(shownCaption, kFieldPt, false);
    DiagramText label = textAt(x, y, captionWidth, shownCaption, kFieldPt, false);
    label.colour = g::kGreyInk;
    page.texts.push_back(label);
    const double valueX = x + captionWidth + 1.5;
    const double valueWidth = x + width - 2 - valueX;
    DiagramText shown = textAt(valueX, y, valueWidth, value, kFieldPt, true);
    if (!shown.text.empty()) page.texts.push_back(shown);
}

std::string millimetres(long value) {
    return std::to_string(value) + " mm";
}

}  // namespace

DiagramBlock headerBlock(const DiagramSource& source, const StringCatalogue& catalogue) {
    DiagramBlock block;
    DiagramPage& page = block.content;
    const std::string note = catalogue.text(diagram_text::kLengthsInMm);
    const double noteWidth = std::min(textWidthMm(note, kFieldPt, false), kColumnWidths[2]);
    page.texts.push_back(textAt(g::kLeft, 0, g::kRight - g::kLeft - noteWidth - 4,
                                catalogue.text(diagram_text::kTitle), 14, true));
    page.texts.push_back(textAt(g::kRight - noteWidth, lineHeightMm(14) - lineHeightMm(kFieldPt),
                                noteWidth, note, kFieldPt, false, TextAlign::Right));

    const double top = lineHeightMm(14) + 2;
    const JobParameters& parameters = source.parameters;
    addField(page, 0, 0, top, catalogue.text(1), source.header.customer);
    addField(page, 0, 1, top, catalogue.text(2), source.header.name);
    addField(page, 0, 2, top, catalogue.text(3), source.header.colour);
    const std::string stockLengths = stockLengthsText(source.patterns, source.stock);
    addField(page, 1, 0, top, catalogue.text(35),
             source.stock.empty() ? millimetres(parameters.rodLength) : stockLengths + " mm");
    addField(page, 1, 1, top, catalogue.text(34), millimetres(parameters.cutThickness));
    addField(page, 1, 2, top, catalogue.text(diagram_text::kDate), source.date);
    const std::optional<double> percent =
        planEfficiency(source.totals, parameters, source.patterns, source.stock);
    addField(page, 2, 0, top, catalogue.text(70), std::to_string(source.totals.rodCount));
    addField(page, 2, 1, top, catalogue.text(71), millimetres(source.totals.totalWaste));
    addField(page, 2, 2, top, catalogue.text(73),
             percent ? formatEfficiency(*percent, source.decimalSeparator) + " %" : "");
    int rows = 3;
    if (source.lowerBound) {
        addField(page, 2, 3, top, catalogue.text(fewest_text::kLowerBound),
                 std::to_string(*source.lowerBound));
        rows = 4;
    }
    if (parameters.trim > 0) {
        addField(page, 1, 3, top, catalogue.text(stock_text::kTrim), millimetres(parameters.trim));
        rows = 4;
    }
    if (!source.stock.empty()) {
        const StockTotals totals = stockTotals(source.patterns, source.stock);
        addField(page, 0, 3, top, catalogue.text(stock_text::kTotalPrice),
                 formatPrice(totals.price, source.decimalSeparator));
        // The widest column, so that the proven mark shows whole.
        if (source.priceLowerBound) {
            addField(page, 0, 4, top, catalogue.text(stock_text::kPriceLowerBound),
                     formatPrice(*source.priceLowerBound, source.decimalSeparator) + " " +
                         catalogue.text(source.priceProven ? fewest_text::kProvenOptimal
                                                           : fewest_text::kNotProven));
        }
        rows = source.priceLowerBound ? 5 : 4;
        if (!source.stock.material.empty()) {
            addField(page, 1, 4, top, catalogue.text(store_text::kMaterial), source.stock.material);
            rows = 5;
        }
    }
    const double ruleY = top + rows * kFieldRow + 1.5;
    page.lines.push_back({g::kLeft, ruleY, g::kRight, ruleY, 0.3, g::kInk});
    block.height = ruleY + 2;
    return block;
}

std::vector<LegendEntry> legendEntries(std::span<const RodPattern> patterns) {
    std::map<int16_t, int32_t, std::greater<>> pieces;
    for (const RodPattern& pattern : patterns)
        for (const int16_t length : piecesLongestFirst(pattern)) pieces[length] += pattern.rods;
    std::vector<LegendEntry> entries;
    for (const auto& [dimension, count] : pieces) entries.push_back({dimension, count});
    return entries;
}

std::vector<DiagramBlock> legendRows(const std::vector<LegendEntry>& entries,
                                     const std::map<int16_t, Colour>& colours,
                                     const StringCatalogue& catalogue) {
    std::vector<DiagramBlock> rows;
    const double textY = (kLegendRow - lineHeightMm(kFieldPt)) / 2;
    for (size_t i = 0; i < entries.size(); ++i) {
        const size_t column = i % static_cast<size_t>(kLegendColumns);
        if (column == 0) rows.push_back({kLegendRow, {}});
        DiagramPage& page = rows.back().content;
        const LegendEntry& entry = entries[i];
        const double x = g::kLeft + column * kLegendWidth;

        DiagramBox swatch;
        swatch.rect = {x, (kLegendRow - 3.2) / 2, 6, 3.2};
        swatch.kind = BoxKind::Swatch;
        const auto colour = colours.find(entry.dimension);
        swatch.fill = colour == colours.end() ? kWhite : colour->second;
        swatch.outlineWidth = 0.15;
        swatch.outline = g::kInk;
        swatch.length = entry.dimension;
        page.boxes.push_back(swatch);

        const std::string dimension = std::to_string(entry.dimension);
        const double dimensionX = x + 7.5;
        const double dimensionWidth = textWidthMm(dimension, kFieldPt, true);
        page.texts.push_back(textAt(dimensionX, textY, dimensionWidth, dimension, kFieldPt, true));
        const double piecesX = dimensionX + dimensionWidth + 1.5;
        DiagramText pieces =
            textAt(piecesX, textY, x + kLegendWidth - 1.5 - piecesX,
                   std::to_string(entry.pieces) + " " + catalogue.text(5), kFieldPt, false);
        if (!pieces.text.empty()) page.texts.push_back(pieces);
    }
    if (!rows.empty()) {
        DiagramBlock& last = rows.back();
        last.content.lines.push_back(
            {g::kLeft, kLegendRow + 1, g::kRight, kLegendRow + 1, 0.3, g::kInk});
        last.height = kLegendRow + 2;
    }
    return rows;
}

DiagramBlock runningHead(const DiagramSource& source, const StringCatalogue& catalogue) {
    DiagramBlock block;
    std::string text = catalogue.text(diagram_text::kTitle);
    for (const std::string* part : {&source.header.customer, &source.header.name})
        if (!part->empty()) text += " \u2013 " + *part;
    DiagramText head = textAt(g::kLeft, 0, g::kRight - g::kLeft, text, 7, false);
    head.colour = g::kGreyInk;
    block.content.texts.push_back(head);
    block.content.lines.push_back(
        {g::kLeft, lineHeightMm(7) + 0.8, g::kRight, lineHeightMm(7) + 0.8, 0.2, g::kGreyInk});
    block.height = lineHeightMm(7) + 2.5;
    return block;
}

void addFooter(DiagramPage& page, int number, int count, const StringCatalogue& catalogue) {
    const double half = (g::kRight - g::kLeft) / 2;
    DiagramText program =
        textAt(g::kLeft, g::kFooterTop, half, std::string("marlo-veen ") + kVersionText, 7, false);
    program.colour = g::kGreyInk;
    page.texts.push_back(program);
    page.texts.push_back(textAt(g::kLeft + half, g::kFooterTop, half,
                                catalogue.text(diagram_text::kPage) + " " + std::to_string(number) +
                                    " / " + std::to_string(count),
                                7, false, TextAlign::Right));
}

}  // namespace marlo
