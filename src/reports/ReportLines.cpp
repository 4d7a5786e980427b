#include "reports/ReportLines.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "optimiser/NumberFormats.h"
#include "optimiser/StockTotals.h"
#include "version.h"

namespace marlo {

namespace {

constexpr int kDimensionText = 16;  // "Dim"
constexpr int kPiecesText = 83;     // "Pcs"
constexpr int kHeaderColumn = 7;
constexpr int kSummaryDimensionEnd = 8;
constexpr int kSummaryPiecesEnd = 15;
constexpr int kRuleStart = 3;

}  // namespace

void writeVersionLine(ColumnWriter& out, int leadingSpaces) {
    out.spc(leadingSpaces);
    out.text(std::string("marlo-veen ") + kVersionText);
    out.endLine();
}

void writeHeaderLines(ColumnWriter& out, const ReportData& data, const StringCatalogue& catalogue) {
    const auto line = [&out](std::string_view text) {
        out.tab(kHeaderColumn);
        out.text(text);
        out.endLine();
    };
    line(data.header.customer);
    line(data.header.name);
    line(data.header.colour);
    if (!data.material.empty()) line(catalogue.text(plan_text::kMaterialHeading) + data.material);
}

void writeDimensionHeadings(ColumnWriter& out, const StringCatalogue& catalogue, int count) {
    for (int i = 1; i <= count; ++i) {
        out.textEndingAt(catalogue.text(kDimensionText),
                         reportValueColumn(kFirstDimensionPosition + i - 1));
    }
}

void writeDimensionNumbers(ColumnWriter& out, int first, int count) {
    for (int i = 1; i <= count; ++i) {
        out.numberEndingAt(first + i - 1, reportValueColumn(kFirstDimensionPosition + i - 1));
    }
}

void writeRule(ColumnWriter& out, int dimensionColumns) {
    const int lastColumn = reportValueColumn(kFirstDimensionPosition + dimensionColumns - 1);
    out.spc(kRuleStart - 1);
    out.text(std::string(static_cast<size_t>(lastColumn - kRuleStart + 1), '-'));
    out.endLine();
}

std::string rodLengthText(const ReportData& data) {
    if (data.stock.empty() || data.patterns == nullptr)
        return std::to_string(data.parameters.rodLength);
    return stockLengthsText(patternsOf(*data.patterns), data.stock);
}

std::array<std::string, 7> totalsLines(const ReportData& data, const StringCatalogue& catalogue,
                                       char decimalSeparator) {
    const PlanSummary& totals = data.totals;
    const JobParameters& parameters = data.parameters;
    // A result always has rods; without one the efficiency is left blank as on screen.
    const std::optional<double> percent = planEfficiency(
        totals, parameters,
        data.patterns ? patternsOf(*data.patterns) : std::span<const RodPattern>(), data.stock);
    const std::string rodLength = rodLengthText(data);
    return {
        catalogue.text(core_text::kReportRodCount) + std::to_string(totals.rodCount),
        catalogue.text(core_text::kReportTotalWaste) + std::to_string(totals.totalWaste),
        catalogue.text(core_text::kReportWastePieces) + std::to_string(totals.wastePieceCount),
        catalogue.text(core_text::kReportEfficiency) +
            (percent ? formatEfficiency(*percent, decimalSeparator) : ""),
        catalogue.text(core_text::kReportPossibilities) +
            std::to_string(totals.calculatedPossibilities),
        catalogue.text(core_text::kReportRodLength) + rodLength,
        catalogue.text(core_text::kReportSliceThickness) + std::to_string(parameters.cutThickness),
    };
}

std::vector<std::string> uncutLines(std::span<const UncutDimension> uncut, int64_t missingLength,
                                    const StringCatalogue& catalogue) {
    std::vector<std::string> lines;
    for (const UncutDimension& dimension : uncut)
        lines.push_back("  " + std::to_string(dimension.length) + " × " +
                        std::to_string(dimension.pieces));
    lines.push_back(catalogue.text(stock_text::kMissingLength) + std::to_string(missingLength));
    return lines;
}

std::string countedLengths(std::vector<int16_t> lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    std::string text;
    for (size_t i = 0; i < lengths.size();) {
        size_t same = i;
        while (same < lengths.size() && lengths[same] == lengths[i]) ++same;
        if (!text.empty()) text += ", ";
        text += std::to_string(lengths[i]);
        if (same - i > 1) text += " × " + std::to_string(same - i);
        i = same;
    }
    return text;
}

std::vector<std::string> stockLines(const ReportData& data, const StringCatalogue& catalogue,
                                    char decimalSeparator) {
    std::vector<std::string> lines;
    if (data.parameters.trim > 0)
        lines.push_back(catalogue.text(stock_text::kTrimLine) +
                        std::to_string(data.parameters.trim));
    if (data.stock.empty() || data.patterns == nullptr) return lines;
    const StockTotals totals = stockTotals(patternsOf(*data.patterns), data.stock);
    if (!data.stock.material.empty())
        lines.push_back(catalogue.text(stock_text::kMaterialNameLine) + data.stock.material);
    lines.push_back(catalogue.text(stock_text::kPriceLine) +
                    formatPrice(totals.price, decimalSeparator));
    if (data.priceLowerBound) {
        lines.push_back(
            catalogue.text(stock_text::kPriceBoundLine) +
            formatPrice(*data.priceLowerBound, decimalSeparator) + "   " +
            catalogue.text(data.optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven));
    }
    lines.push_back(catalogue.text(stock_text::kMaterialLine) + std::to_string(totals.material));
    lines.push_back(catalogue.text(stock_text::kLeftoversLine) + countedLengths(totals.leftovers));
    return lines;
}

std::optional<std::string> patternStockText(const ReportData& data, const RodPattern& pattern,
                                            const StringCatalogue& catalogue) {
    const StockItem* item = stockOf(pattern, data.stock);
    if (item == nullptr) return std::nullopt;
    std::string text =
        catalogue.text(stock_text::kStock) + ": " + std::to_string(item->length) + " mm";
    if (item->kind == StockKind::Offcut)
        text += ", " + catalogue.text(stock_text::kOffcut) + " " + item->id;
    return text;
}

std::optional<std::string> lowerBoundLine(std::optional<int> lowerBound, bool optimal,
                                          const StringCatalogue& catalogue) {
    if (!lowerBound) return std::nullopt;
    return catalogue.text(fewest_text::kLowerBoundLine) + std::to_string(*lowerBound) + "   " +
           catalogue.text(optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven);
}

void writeSummary(ColumnWriter& out, const ReportSummary& summary,
                  const StringCatalogue& catalogue) {
    writeSummaryHeading(out, catalogue);
    for (const ReportSummaryEntry& entry : summary) writeSummaryEntry(out, entry);
}

void writeSummaryHeading(ColumnWriter& out, const StringCatalogue& catalogue) {
    out.textEndingAt(catalogue.text(kDimensionText), kSummaryDimensionEnd);
    out.textEndingAt(catalogue.text(kPiecesText), kSummaryPiecesEnd);
    out.endLine();
}

void writeSummaryEntry(ColumnWriter& out, const ReportSummaryEntry& entry) {
    out.textEndingAt(std::to_string(entry.dimension), kSummaryDimensionEnd);
    out.textEndingAt(std::to_string(entry.pieces), kSummaryPiecesEnd);
    out.endLine();
}

}  // namespace marlo
