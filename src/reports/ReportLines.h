#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "optimiser/fewest/StockCutting.h"
#include "reports/ColumnWriter.h"
#include "reports/ReportSummary.h"
#include "reports/TextReport.h"

namespace marlo {

// The lines that the text report and the printed report lay out alike. The pattern table is a
// grid of 7-character columns: the p-th value of a row ends in column 7·p, and the dimension
// columns (headings, numbers, values) start with the 4th position.

inline constexpr int kReportColumnWidth = 7;
inline constexpr int kFirstDimensionPosition = 4;

// Column of the last character of the value at 1-based position p of a table line.
constexpr int reportValueColumn(int position) {
    return kReportColumnWidth * position;
}

// Where the line after a table row names the row's stock: under the dimensions.
inline constexpr int kStockTextColumn = reportValueColumn(kFirstDimensionPosition - 1) + 3;

// The program name and version after `leadingSpaces` spaces, then the end of the line.
void writeVersionLine(ColumnWriter& out, int leadingSpaces);

// The job's header texts, each from column 7 on a line of its own: customer, name and colour,
// then the material of a production job's section.
void writeHeaderLines(ColumnWriter& out, const ReportData& data, const StringCatalogue& catalogue);

// `count` "Dim" headings over the dimension columns, the first over the first dimension.
void writeDimensionHeadings(ColumnWriter& out, const StringCatalogue& catalogue, int count);

// The numbers first, first + 1, ... under `count` dimension headings, as number items.
void writeDimensionNumbers(ColumnWriter& out, int first, int count);

// Two spaces and a line of minus signs to the right edge of the last dimension column, then
// the end of the line.
void writeRule(ColumnWriter& out, int dimensionColumns);

// The rod length of a result: the parameters' one, or the lengths a plan from a stock list cuts,
// longest first, as "6500/6000/3000".
std::string rodLengthText(const ReportData& data);

// The seven totals lines: rods, waste, waste pieces, efficiency, calculated possibilities,
// rod length (of a plan from a stock list: the lengths it cuts) and cut thickness, each a caption
// joined to its value.
std::array<std::string, 7> totalsLines(const ReportData& data, const StringCatalogue& catalogue,
                                       char decimalSeparator);

// The lines after the totals that only some results have: the trim when there is one; of a plan
// from a stock list the price, its lower bound, the material used and the leftovers.
std::vector<std::string> stockLines(const ReportData& data, const StringCatalogue& catalogue,
                                    char decimalSeparator);

// The stock a pattern of a plan from a stock list is cut from: "Stock: 6500 mm" and for an offcut
// its word and identifier. None for a single-length plan.
std::optional<std::string> patternStockText(const ReportData& data, const RodPattern& pattern,
                                            const StringCatalogue& catalogue);

// What a stock could not hold: a line per dimension left uncut ("  2400 × 3"), then the length
// of stock missing.
std::vector<std::string> uncutLines(std::span<const UncutDimension> uncut, int64_t missingLength,
                                    const StringCatalogue& catalogue);

// Lengths as "3994 × 2, 476": longest first, equal ones counted.
std::string countedLengths(std::vector<int16_t> lengths);

// The line of the lower bound, when the result carries one: caption, rods and whether the plan
// is proven optimal.
std::optional<std::string> lowerBoundLine(std::optional<int> lowerBound, bool optimal,
                                          const StringCatalogue& catalogue);

// The summary heading and one line per distinct dimension: dimensions ending in column 8,
// pieces in column 15.
void writeSummary(ColumnWriter& out, const ReportSummary& summary,
                  const StringCatalogue& catalogue);
// The two parts of the summary, for a layout that marks its heading: the heading line, and the
// line of one dimension.
void writeSummaryHeading(ColumnWriter& out, const StringCatalogue& catalogue);
void writeSummaryEntry(ColumnWriter& out, const ReportSummaryEntry& entry);

}  // namespace marlo
