#include "reports/PrintedReport.h"

#include <algorithm>
#include <deque>
#include <string>

#include "i18n/texts/WindowOutputTexts.h"
#include "reports/ColumnWriter.h"
#include "reports/ReportLines.h"

namespace marlo {

namespace {

constexpr const char* kFontName = "Courier New";
constexpr int kResolution = 300;
constexpr int kBodyPoints = 10;
constexpr int kHeaderPoints = 12;
constexpr int kPortraitVersionIndent = 70;
constexpr int kLandscapeVersionIndent = 113;
// A table of 15 columns (sequence, rods, waste, pieces and 11 dimensions) no longer fits across
// a portrait page.
constexpr int kMostPortraitDimensions = 10;
// Dimensions beyond the 16th continue on a line of their own under their own headings.
constexpr int kMostRowDimensions = 16;
// The totals move to a new page when the table rows end in the lower part of the first page.
constexpr int kFirstPageBreakLine = 33;
constexpr int kLastPageBreakLine = 45;
// The summary moves to a new page when its lines would not fit below the table.
constexpr int kPortraitSummaryLines = 61;
constexpr int kLandscapeSummaryLines = 31;

constexpr int kSequenceText = 67;  // "Seq."
constexpr int kNumberOfText = 84;  // "No. of"
constexpr int kNumberText = 82;    // "Number"
constexpr int kRodsText = 85;      // "Rods"
constexpr int kWasteText = 11;     // "Waste"

// Hands the runs of a ColumnWriter to the printer. Blanks only move the position, so a run is
// drawn without them, from the column of its first visible character.
class PrinterLineSink : public LineSink {
  public:
    explicit PrinterLineSink(PrinterOperations& printer) : printer_(printer) {}

    void write(int column, std::string_view text) override {
        const size_t first = text.find_first_not_of(' ');
        if (first == std::string_view::npos) return;
        const size_t last = text.find_last_not_of(' ');
        printer_.printText(column + static_cast<int>(first), text.substr(first, last - first + 1));
    }
    void endLine() override { printer_.endLine(); }

  private:
    PrinterOperations& printer_;
};

class PrintedReportLayout {
  public:
    PrintedReportLayout(PrinterOperations& printer, const ReportData& data,
                        const StringCatalogue& catalogue, char decimalSeparator)
        : printer_(printer),
          sink_(printer),
          out_(sink_),
          data_(data),
          catalogue_(catalogue),
          decimalSeparator_(decimalSeparator),
          dimensionColumns_(data.patterns ? data.patterns->maxPieceCount() : 0),
          orientation_(dimensionColumns_ <= kMostPortraitDimensions ? PageOrientation::Portrait
                                                                    : PageOrientation::Landscape) {}

    PageOrientation orientation() const { return orientation_; }

    // One copy from its version line to its page end. The line count covers the table rows
    // only; it decides where the pages break.
    void layOutCopy() {
        printer_.setFontSize(kBodyPoints);
        printer_.setBold(false);
        printer_.beginCopy(catalogue_.text(window_output_text::kPageNumber));
        writeVersionLine(out_, landscape() ? kLandscapeVersionIndent : kPortraitVersionIndent);

        printer_.setFontSize(kHeaderPoints);
        printer_.setBold(true);
        writeHeaderLines(out_, data_, catalogue_);
        emptyLines(2);

        printer_.setFontSize(kBodyPoints);
        printer_.beginColumnCaptions();
        writeHeadings();
        writeRule(out_, dimensionColumns_);
        emptyLines(1);
        printer_.endColumnCaptions();
        int tableLines = 0;
        if (data_.patterns) {
            for (const RodPattern& pattern : *data_.patterns) tableLines += writeRow(pattern);
        }
        printer_.endTable();

        const bool pageBroken =
            kFirstPageBreakLine <= tableLines && tableLines <= kLastPageBreakLine;
        if (pageBroken) printer_.newPage();

        writeTotals();

        const int pageLines = landscape() ? kLandscapeSummaryLines : kPortraitSummaryLines;
        if (!pageBroken && pageLines - tableLines < data_.summary.count + 1) printer_.newPage();
        writeSummary();
        printer_.newPage();
    }

  private:
    bool landscape() const { return orientation_ == PageOrientation::Landscape; }

    void emptyLines(int count) {
        for (int i = 0; i < count; ++i) out_.endLine();
    }

    // The first caption of each heading line is bold. Dimension columns beyond the 16th get
    // their headings on the continuation lines of the rows.
    void writeHeadings() {
        const int headings = std::min(dimensionColumns_, kMostRowDimensions);
        out_.textEndingAt(catalogue_.text(kSequenceText), reportValueColumn(1));
        printer_.setBold(false);
        out_.textEndingAt(catalogue_.text(kNumberOfText), reportValueColumn(2));
        writeDimensionHeadings(out_, catalogue_, headings);
        out_.endLine();

        printer_.setBold(true);
        out_.textEndingAt(catalogue_.text(kNumberText), reportValueColumn(1));
        printer_.setBold(false);
        out_.textEndingAt(catalogue_.text(kRodsText), reportValueColumn(2));
        out_.textEndingAt(catalogue_.text(kWasteText), reportValueColumn(3));
        writeDimensionNumbers(out_, 1, headings);
        out_.endLine();
    }

    // One result row and the empty line after it; the number of lines it took.
    int writeRow(const RodPattern& pattern) {
        // A row continued under its own headings stays on one page with them.
        printer_.keepTogether(true);
        printer_.setBold(true);
        out_.numberEndingAt(pattern.sequence, reportValueColumn(1));
        printer_.setBold(false);
        out_.numberEndingAt(pattern.rods, reportValueColumn(2));
        out_.numberEndingAt(pattern.waste, reportValueColumn(3));

        int lines = 2;
        int position = kFirstDimensionPosition;
        for (int i = 0; i < pattern.pieceCount; ++i) {
            if (i == kMostRowDimensions) {
                writeContinuationHeadings();
                position = kFirstDimensionPosition;
                lines += 4;
            }
            out_.numberEndingAt(pattern.lengths[i], reportValueColumn(position++));
        }
        out_.endLine();
        // The line after a row names its stock, in a plan from a stock list.
        if (const auto stock = patternStockText(data_, pattern, catalogue_)) {
            out_.tab(kStockTextColumn);
            out_.text(*stock);
        }
        out_.endLine();
        printer_.keepTogether(false);
        return lines;
    }

    void writeContinuationHeadings() {
        const int headings = dimensionColumns_ - kMostRowDimensions;
        emptyLines(2);
        writeDimensionHeadings(out_, catalogue_, headings);
        out_.endLine();
        writeDimensionNumbers(out_, kMostRowDimensions + 1, headings);
        out_.endLine();
    }

    // The totals lines, the first (the number of rods) in bold.
    void writeTotals() {
        const auto lines = totalsLines(data_, catalogue_, decimalSeparator_);
        emptyLines(2);
        printer_.setBold(true);
        out_.text(lines[0]);
        printer_.setBold(false);
        out_.endLine();
        for (size_t i = 1; i < lines.size(); ++i) {
            out_.text(lines[i]);
            out_.endLine();
        }
        if (const auto line = lowerBoundLine(data_.lowerBound, data_.optimal, catalogue_)) {
            out_.text(*line);
            out_.endLine();
        }
        for (const std::string& line : stockLines(data_, catalogue_, decimalSeparator_)) {
            out_.text(line);
            out_.endLine();
        }
        emptyLines(2);
    }

    // The summary is a table of its own: a page it continues on begins with its heading again,
    // and the heading stays on the page of the first dimension.
    void writeSummary() {
        printer_.keepTogether(true);
        printer_.beginColumnCaptions();
        writeSummaryHeading(out_, catalogue_);
        printer_.endColumnCaptions();
        for (const ReportSummaryEntry& entry : data_.summary) {
            writeSummaryEntry(out_, entry);
            if (&entry == data_.summary.begin()) printer_.keepTogether(false);
        }
        printer_.keepTogether(false);
        printer_.endTable();
    }

    PrinterOperations& printer_;
    PrinterLineSink sink_;
    ColumnWriter out_;
    const ReportData& data_;
    const StringCatalogue& catalogue_;
    char decimalSeparator_;
    int dimensionColumns_;
    PageOrientation orientation_;
};

}  // namespace

void printReports(PrinterOperations& printer, std::span<const ReportData> sections,
                  const StringCatalogue& catalogue, char decimalSeparator) {
    // A layout writes through members of its own: it stays where it was made.
    std::deque<PrintedReportLayout> layouts;
    for (const ReportData& data : sections)
        layouts.emplace_back(printer, data, catalogue, decimalSeparator);
    const bool landscape =
        std::any_of(layouts.begin(), layouts.end(), [](const PrintedReportLayout& layout) {
            return layout.orientation() == PageOrientation::Landscape;
        });
    printer.setOrientation(landscape ? PageOrientation::Landscape : PageOrientation::Portrait);
    printer.setResolution(kResolution);
    printer.setFontName(kFontName);
    for (PrintedReportLayout& layout : layouts) layout.layOutCopy();
    printer.endDocument();
}

void printReport(PrinterOperations& printer, const ReportData& data,
                 const StringCatalogue& catalogue, int copies, char decimalSeparator) {
    const std::vector<ReportData> each(static_cast<size_t>(std::max(copies, 1)), data);
    printReports(printer, each, catalogue, decimalSeparator);
}

}  // namespace marlo
