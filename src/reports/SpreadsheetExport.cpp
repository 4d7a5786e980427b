#include "reports/SpreadsheetExport.h"

#include <string>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/FewestRodsTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "i18n/texts/StockStoreTexts.h"
#include "model/PlanSummary.h"
#include "optimiser/StockTotals.h"
#include "reports/ReportLines.h"
#include "version.h"

namespace marlo {

namespace {

constexpr int kColumnA = 1;
constexpr int kColumnB = 2;
constexpr int kColumnC = 3;
constexpr int kColumnD = 4;
constexpr int kColumnE = 5;
constexpr int kColumnF = 6;
constexpr int kColumnG = 7;

constexpr int kVersionRow = 1;
constexpr int kJobHeaderRow = 3;
constexpr int kCaptionRow = 7;
constexpr int kNumberRow = 8;
constexpr int kSpacerRow = 9;
constexpr int kFirstResultRow = 10;
constexpr int kTotalsRows = 8;
// The columns of the result grid before its dimensions: sequence, rods, waste, pieces.
constexpr int kFixedResultColumns = 4;

constexpr Rgb kResultText{0, 0, 255};
constexpr Rgb kResultFill{255, 255, 153};
constexpr Rgb kHeadingFill{255, 192, 0};
constexpr Rgb kJobHeaderFill{255, 153, 204};
constexpr Rgb kTotalsFill{204, 255, 204};
constexpr Rgb kDimensionFill{153, 204, 255};

constexpr const char* kWholeNumber = "#,##0";
constexpr const char* kThreeDecimals = "#,##0.000";
constexpr const char* kTwoDecimals = "#,##0.00";

// Where the parts of the sheet stand; they depend on the size of the result.
struct SheetGeometry {
    int lastDimensionColumn;
    int lastColumn;     // of the result table: the dimensions, then a plan's stock columns
    int lastResultRow;  // the result table ends here; a sheet without patterns ends it at row 9
    int totalsRow;      // first row of the totals block
    int totalsRows;     // its rows: one more for a lower bound
    int dimensionsRow;  // heading row of the table of ordered dimensions
    int lastDimensionRow;
};

SheetGeometry geometryOf(const ReportData& data) {
    const int patterns = data.patterns ? data.patterns->count() : 0;
    const int dimensionColumns = data.patterns ? data.patterns->maxPieceCount() : 0;
    SheetGeometry g{};
    // The result grid has its fixed columns and one per dimension, and starts in column B.
    g.lastDimensionColumn = kColumnB + kFixedResultColumns + dimensionColumns - 1;
    // A plan from a stock list names each pattern's stock (length, identifier) after them.
    g.lastColumn = g.lastDimensionColumn + (data.stock.empty() ? 0 : 2);
    g.lastResultRow = kFirstResultRow + patterns - 1;
    g.totalsRow = g.lastResultRow + 2;
    g.totalsRows = kTotalsRows + (data.lowerBound ? 1 : 0) + (data.parameters.trim > 0 ? 1 : 0) +
                   (data.stock.empty() ? 0 : 4) + (data.stock.material.empty() ? 0 : 1);
    g.dimensionsRow = g.totalsRow + g.totalsRows + 1;
    g.lastDimensionRow = g.dimensionsRow + data.summary.count;
    return g;
}

class SpreadsheetComposer {
  public:
    SpreadsheetComposer(const ReportData& data, const StringCatalogue& catalogue)
        : data_(data), catalogue_(catalogue), g_(geometryOf(data)) {}

    SpreadsheetModel compose() {
        writeHeadings();
        writeResult();
        frameAndFillResult();
        writeJobHeaderBlock();
        writeTotals();
        writeDimensions();
        sheet_.select({kVersionRow, kColumnB});
        sheet_.setGridlines(false);
        return std::move(sheet_);
    }

  private:
    void text(int row, int column, int catalogueOffset) {
        sheet_.setText({row, column}, catalogue_.text(catalogueOffset));
    }

    void writeHeadings() {
        const CellRef version{kVersionRow, kColumnB};
        sheet_.setText(version, std::string("marlo-veen ") + kVersionText);
        sheet_.setFont(version, "Verdana", 8);

        sheet_.setText({kJobHeaderRow, kColumnB}, data_.header.customer);
        sheet_.setText({kJobHeaderRow + 1, kColumnB}, data_.header.name);
        sheet_.setText({kJobHeaderRow + 2, kColumnB}, data_.header.colour);
        sheet_.setBold({{kJobHeaderRow, kColumnB}, {kJobHeaderRow + 2, kColumnB}}, true);

        text(kCaptionRow, kColumnB, 67);  // "Seq."
        text(kCaptionRow, kColumnC, 84);  // "No. of"
        text(kCaptionRow, kColumnD, 11);  // "Waste"
        text(kCaptionRow, kColumnE, 65);  // "no. of"
        text(kNumberRow, kColumnB, 82);   // "Number"
        text(kNumberRow, kColumnC, 85);   // "Rods"
        text(kNumberRow, kColumnE, 5);    // "pieces"
        for (int column = kColumnF; column <= g_.lastDimensionColumn; ++column) {
            text(kCaptionRow, column, 16);  // "Dim"
            sheet_.setNumber({kNumberRow, column}, column - kColumnE);
        }
        if (g_.lastColumn > g_.lastDimensionColumn) {
            text(kCaptionRow, g_.lastDimensionColumn + 1, stock_text::kRodLength);
            text(kCaptionRow, g_.lastDimensionColumn + 2, stock_text::kStockId);
        }
        const CellRange headings{{kCaptionRow, kColumnB}, {kNumberRow, g_.lastColumn}};
        sheet_.setBold(headings, true);
        sheet_.setHorizontalAlignment(headings, HorizontalAlignment::Centre);

        sheet_.setColumnWidth(kColumnA, kColumnA, 0.83);
        sheet_.setColumnWidth(kColumnB, g_.lastColumn, 8);
        sheet_.setRowHeight(kSpacerRow, 7.5);
    }

    CellRange resultArea() const {
        return {{kFirstResultRow, kColumnB}, {g_.lastResultRow, g_.lastColumn}};
    }

    void writeResult() {
        sheet_.setFontColour(resultArea(), kResultText);
        sheet_.setHorizontalAlignment(resultArea(), HorizontalAlignment::Centre);
        if (!data_.patterns) return;
        int row = kFirstResultRow;
        for (const RodPattern& pattern : *data_.patterns) {
            for (int i = 1; i <= kFixedResultColumns + pattern.pieceCount; ++i) {
                sheet_.setNumber({row, kColumnB + i - 1}, pattern.row(i));
            }
            if (const StockItem* item = stockOf(pattern, data_.stock)) {
                sheet_.setNumber({row, g_.lastDimensionColumn + 1}, item->length);
                sheet_.setText({row, g_.lastDimensionColumn + 2},
                               item->kind == StockKind::Offcut
                                   ? item->id
                                   : catalogue_.text(stock_text::kNewRod));
            }
            ++row;
        }
    }

    void frameAndFillResult() {
        const CellRange headingBlock{{kCaptionRow, kColumnB}, {kSpacerRow, g_.lastColumn}};
        sheet_.drawBorders({{kCaptionRow, kColumnB}, {g_.lastResultRow, g_.lastColumn}},
                           RangeBorders::box(BorderLine::Thin));
        sheet_.drawBorders(headingBlock, RangeBorders::box(BorderLine::Thin));
        // Sequence, rods and waste get columns of their own; the pieces and the dimensions
        // stand open to their right.
        RangeBorders fixedColumns;
        fixedColumns.left = fixedColumns.top = fixedColumns.bottom = BorderLine::Thin;
        fixedColumns.right = BorderLine::None;
        fixedColumns.insideVertical = BorderLine::Thin;
        sheet_.drawBorders({{kCaptionRow, kColumnB}, {g_.lastResultRow, kColumnD}}, fixedColumns);
        RangeBorders rows = RangeBorders::box(BorderLine::Thin);
        rows.insideVertical.reset();
        rows.insideHorizontal = BorderLine::Hairline;
        sheet_.drawBorders(resultArea(), rows);

        sheet_.setFill(headingBlock, kHeadingFill);
        sheet_.setFill(resultArea(), kResultFill);
    }

    void writeJobHeaderBlock() {
        for (int row = kJobHeaderRow; row < kJobHeaderRow + 3; ++row) {
            const CellRange line{{row, kColumnB}, {row, kColumnE}};
            sheet_.setHorizontalAlignment(line, HorizontalAlignment::Centre);
            sheet_.setVerticalAlignment(line, VerticalAlignment::Bottom);
            sheet_.setWrapText(line, false);
            sheet_.merge(line);
        }
        const CellRange block{{kJobHeaderRow, kColumnB}, {kJobHeaderRow + 2, kColumnE}};
        sheet_.setHorizontalAlignment(block, HorizontalAlignment::Left);
        sheet_.drawBorders(block, RangeBorders::box(BorderLine::Thin));
        sheet_.setFill(block, kJobHeaderFill);
    }

    // A caption, its value (when there is one) and its unit.
    void writeTotal(int line, int caption, std::optional<double> value, const std::string& unit) {
        const int row = g_.totalsRow + line;
        text(row, kColumnB, caption);
        if (value) sheet_.setNumber({row, kColumnF}, *value);
        sheet_.setText({row, kColumnG}, unit);
    }

    void writeTotals() {
        const int s = g_.totalsRow;
        const PlanSummary& totals = data_.totals;
        const std::string& pieces = catalogue_.text(core_text::kPieces);
        text(s, kColumnB, 69);  // "Summary"
        sheet_.setBold(CellRef{s, kColumnB}, true);
        writeTotal(1, 70, totals.rodCount, pieces);
        writeTotal(2, 71, totals.totalWaste, "mm");
        writeTotal(3, 72, totals.wastePieceCount, pieces);
        writeTotal(4, 73,
                   planEfficiency(
                       totals, data_.parameters,
                       data_.patterns ? patternsOf(*data_.patterns) : std::span<const RodPattern>(),
                       data_.stock),
                   "%");
        writeTotal(5, 46, static_cast<double>(totals.calculatedPossibilities), "x");
        if (data_.stock.empty()) {
            writeTotal(6, 35, data_.parameters.rodLength, "mm");
        } else {
            writeTotal(6, 35, std::nullopt, "mm");
            sheet_.setText({s + 6, kColumnF}, rodLengthText(data_));
        }
        writeTotal(7, 34, data_.parameters.cutThickness, "mm");
        int line = 8;
        if (data_.lowerBound) {
            writeTotal(line, fewest_text::kLowerBound, *data_.lowerBound,
                       catalogue_.text(data_.optimal ? fewest_text::kProvenOptimal
                                                     : fewest_text::kNotProven));
            sheet_.setNumberFormat({{s + line, kColumnF}, {s + line, kColumnF}}, kWholeNumber);
            ++line;
        }
        writeStockTotals(line);

        sheet_.merge({{s + 2, kColumnE}, {s + 2, kColumnF}});
        sheet_.merge({{s + 5, kColumnE}, {s + 5, kColumnF}});
        sheet_.setHorizontalAlignment({{s + 1, kColumnE}, {s + 5, kColumnF}},
                                      HorizontalAlignment::Right);
        sheet_.setNumberFormat({{s + 1, kColumnE}, {s + 7, kColumnF}}, kWholeNumber);
        sheet_.setNumberFormat({{s + 4, kColumnE}, {s + 4, kColumnF}}, kThreeDecimals);
        sheet_.setHorizontalAlignment({{s + 1, kColumnG}, {s + 5, kColumnG}},
                                      HorizontalAlignment::Left);
        const CellRange block{{s, kColumnB}, {s + g_.totalsRows - 1, kColumnG}};
        sheet_.setFill(block, kTotalsFill);
        sheet_.drawBorders(block, RangeBorders::box(BorderLine::Medium));
    }

    // The trim when there is one; of a plan from a stock list its price, the price's lower bound,
    // the material used and the leftovers.
    void writeStockTotals(int line) {
        const int s = g_.totalsRow;
        if (data_.parameters.trim > 0) {
            writeTotal(line, stock_text::kTrim, data_.parameters.trim, "mm");
            sheet_.setNumberFormat({{s + line, kColumnF}, {s + line, kColumnF}}, kWholeNumber);
            ++line;
        }
        if (data_.stock.empty() || data_.patterns == nullptr) return;
        const StockTotals totals = stockTotals(patternsOf(*data_.patterns), data_.stock);
        if (!data_.stock.material.empty()) {
            writeTotal(line, store_text::kMaterial, std::nullopt, "");
            sheet_.setText({s + line, kColumnF}, data_.stock.material);
            ++line;
        }
        writeTotal(line, stock_text::kTotalPrice, totals.price, "");
        sheet_.setNumberFormat({{s + line, kColumnF}, {s + line, kColumnF}}, kTwoDecimals);
        ++line;
        writeTotal(
            line, stock_text::kPriceLowerBound, data_.priceLowerBound,
            catalogue_.text(data_.optimal ? fewest_text::kProvenOptimal : fewest_text::kNotProven));
        sheet_.setNumberFormat({{s + line, kColumnF}, {s + line, kColumnF}}, kTwoDecimals);
        ++line;
        writeTotal(line, stock_text::kMaterialUsed, static_cast<double>(totals.material), "mm");
        sheet_.setNumberFormat({{s + line, kColumnF}, {s + line, kColumnF}}, kWholeNumber);
        ++line;
        writeTotal(line, stock_text::kLeftovers, std::nullopt, "");
        sheet_.setText({s + line, kColumnF}, countedLengths(totals.leftovers));
    }

    void writeDimensions() {
        const int t = g_.dimensionsRow;
        text(t, kColumnB, 16);  // "Dim"
        text(t, kColumnC, 83);  // "Pcs"
        int row = t;
        for (const ReportSummaryEntry& entry : data_.summary) {
            ++row;
            sheet_.setNumber({row, kColumnB}, entry.dimension);
            sheet_.setNumber({row, kColumnC}, entry.pieces);
        }
        const CellRange heading{{t, kColumnB}, {t, kColumnC}};
        const CellRange table{{t, kColumnB}, {g_.lastDimensionRow, kColumnC}};
        sheet_.setBold(heading, true);
        sheet_.setHorizontalAlignment(table, HorizontalAlignment::Right);
        sheet_.drawBorders(heading, RangeBorders::box(BorderLine::Thin));
        sheet_.drawBorders({{t + 1, kColumnB}, {g_.lastDimensionRow, kColumnC}},
                           RangeBorders::box(BorderLine::Thin));
        sheet_.setFill(table, kDimensionFill);
    }

    const ReportData& data_;
    const StringCatalogue& catalogue_;
    const SheetGeometry g_;
    SpreadsheetModel sheet_;
};

}  // namespace

SpreadsheetModel composeSpreadsheet(const ReportData& data, const StringCatalogue& catalogue) {
    return SpreadsheetComposer(data, catalogue).compose();
}

}  // namespace marlo
