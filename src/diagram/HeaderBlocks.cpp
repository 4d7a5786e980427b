#include "diagram/HeaderBlocks.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "diagram/BarBlock.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/TextMetrics.h"
#include "i18n/texts/CoreTexts.h"
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
struct HeaderField {
    int column;
    int row;
    std::string caption;
    std::string value;
};

void placeField(DiagramPage& page, double x, double y, double width, const HeaderField& field) {
    const std::string shownCaption = elideText(field.caption + ":", kFieldPt, false, width * 2 / 3);
    const double shownWidth = textWidthMm(shownCaption, kFieldPt, false);
    DiagramText label = textAt(x, y, shownWidth, shownCaption, kFieldPt, false);
    label.colour = g::kGreyInk;
    page.texts.push_back(label);
    const double valueX = x + shownWidth + 1.5;
    DiagramText shown = textAt(valueX, y, x + width - 2 - valueX, field.value, kFieldPt, true);
    if (!shown.text.empty()) page.texts.push_back(shown);
}

// Places the fields in their columns; a field whose caption or value would be cut off there
// gets a row of the header's whole width below the columns instead. Returns the rows used.
int placeFields(DiagramPage& page, double top, const std::vector<HeaderField>& fields) {
    int rows = 0;
    std::vector<const HeaderField*> wide;
    for (const HeaderField& field : fields) {
        double x = g::kLeft;
        for (int i = 0; i < field.column; ++i) x += kColumnWidths[i];
        const double width = kColumnWidths[field.column];
        const double caption = textWidthMm(field.caption + ":", kFieldPt, false);
        const bool fits = caption <= width * 2 / 3 &&
                          caption + 1.5 + textWidthMm(field.value, kFieldPt, true) <= width - 2;
        if (!fits) {
            wide.push_back(&field);
            continue;
        }
        placeField(page, x, top + field.row * kFieldRow, width, field);
        rows = std::max(rows, field.row + 1);
    }
    for (const HeaderField* field : wide)
        placeField(page, g::kLeft, top + rows++ * kFieldRow, g::kRight - g::kLeft, *field);
    return rows;
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
    std::vector<HeaderField> fields;
    const auto field = [&fields, &catalogue](int column, int row, int caption, std::string value) {
        fields.push_back({column, row, catalogue.text(caption), std::move(value)});
    };
    field(0, 0, 1, source.header.customer);
    field(0, 1, 2, source.header.name);
    field(0, 2, 3, source.header.colour);
    const std::string stockLengths = stockLengthsText(source.patterns, source.stock);
    field(1, 0, 35,
          source.stock.empty() ? millimetres(parameters.rodLength) : stockLengths + " mm");
    field(1, 1, 34, millimetres(parameters.cutThickness));
    field(1, 2, diagram_text::kDate, source.date);
    const std::optional<double> percent =
        planEfficiency(source.totals, parameters, source.patterns, source.stock);
    field(2, 0, 70, std::to_string(source.totals.rodCount));
    field(2, 1, 71, millimetres(source.totals.totalWaste));
    field(2, 2, 73, percent ? formatEfficiency(*percent, source.decimalSeparator) + " %" : "");
    if (source.lowerBound)
        field(2, 3, fewest_text::kLowerBound, std::to_string(*source.lowerBound));
    if (parameters.trim > 0) field(1, 3, stock_text::kTrim, millimetres(parameters.trim));
    if (!source.stock.empty()) {
        const StockTotals totals = stockTotals(source.patterns, source.stock);
        field(0, 3, stock_text::kTotalPrice, formatPrice(totals.price, source.decimalSeparator));
        if (source.priceLowerBound) {
            field(0, 4, stock_text::kPriceLowerBound,
                  formatPrice(*source.priceLowerBound, source.decimalSeparator) + " " +
                      catalogue.text(source.priceProven ? fewest_text::kProvenOptimal
                                                        : fewest_text::kNotProven));
        }
    }
    const std::string& material =
        source.stock.material.empty() ? source.material : source.stock.material;
    if (!material.empty()) field(1, 4, store_text::kMaterial, material);
    const int rows = placeFields(page, top, fields);
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
                   std::to_string(entry.pieces) + " " + catalogue.text(core_text::kPieces),
                   kFieldPt, false);
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
