#include "reports/ReportLines.h"

#include <optional>

#include "i18n/texts/FewestRodsTexts.h"
#include "optimiser/NumberFormats.h"
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

void writeHeaderLine(ColumnWriter& out, std::string_view text) {
    out.tab(kHeaderColumn);
    out.text(text);
    out.endLine();
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

std::array<std::string, 7> totalsLines(const PlanSummary& totals, const JobParameters& parameters,
                                       const StringCatalogue& catalogue, char decimalSeparator) {
    // A result always has rods; without one the efficiency is left blank as on screen.
    const std::optional<double> percent = efficiency(totals, parameters.rodLength);
    return {
        catalogue.text(75) + std::to_string(totals.rodCount),
        catalogue.text(76) + std::to_string(totals.totalWaste),
        catalogue.text(77) + std::to_string(totals.wastePieceCount),
        catalogue.text(78) + (percent ? formatEfficiency(*percent, decimalSeparator) : ""),
        catalogue.text(79) + std::to_string(totals.calculatedPossibilities),
        catalogue.text(92) + std::to_string(parameters.rodLength),
        catalogue.text(93) + std::to_string(parameters.cutThickness),
    };
}

std::optional<std::string> lowerBoundLine(std::optional<int> lowerBound, bool optimal,
                                          const StringCatalogue& catalogue) {
    if (!lowerBound) return std::nullopt;
    return catalogue.text(fewest_text::kLowerBoundLine) + std::to_string(*lowerBound) + "   " +
           catalogue.text(optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven);
}

void writeSummary(ColumnWriter& out, const ReportSummary& summary,
                  const StringCatalogue& catalogue) {
    out.textEndingAt(catalogue.text(kDimensionText), kSummaryDimensionEnd);
    out.textEndingAt(catalogue.text(kPiecesText), kSummaryPiecesEnd);
    out.endLine();
    for (const ReportSummaryEntry& entry : summary) {
        out.textEndingAt(std::to_string(entry.dimension), kSummaryDimensionEnd);
        out.textEndingAt(std::to_string(entry.pieces), kSummaryPiecesEnd);
        out.endLine();
    }
}

}  // namespace marlo
