#include "labels/SawSheet.h"

#include "diagram/DiagramGeometry.h"
#include "diagram/TextMetrics.h"
#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/SawOutputTexts.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kTextPt = 9;
constexpr double kRow = 4.6;
constexpr double kTick = 3.6;
constexpr double kTickPitch = 5.2;
// The tick boxes of a pattern's rods take the right of its heading line.
constexpr double kTicksLeft = g::kLeft + 128;
// The cut table's columns: number, length, position, list row; right-aligned, from the left.
constexpr double kColumnLeft[] = {g::kLeft + 4, g::kLeft + 24, g::kLeft + 54, g::kLeft + 89};
constexpr double kColumnWidth[] = {16, 26, 31, 18};

class SheetWriter {
  public:
    SheetWriter(const StringCatalogue& catalogue) : catalogue_(catalogue) { newPage(); }

    PagedDocument finish() {
        const size_t count = document_.pages.size();
        for (size_t i = 0; i < count; ++i)
            text(document_.pages[i], g::kLeft, g::kFooterTop, g::kRight - g::kLeft,
                 catalogue_.text(diagram_text::kPage) + ' ' + std::to_string(i + 1) + " / " +
                     std::to_string(count),
                 8, false, TextAlign::Right);
        return std::move(document_);
    }

    // Room for `height` more millimetres on this page, or a new page (then true).
    bool reserve(double height) {
        if (y_ + height <= g::kContentBottom) return false;
        newPage();
        return true;
    }

    void line(double x, double width, const std::string& shown, double sizePt = kTextPt,
              bool bold = false, TextAlign align = TextAlign::Left) {
        text(page(), x, y_, width, shown, sizePt, bold, align);
    }
    void advance(double height) { y_ += height; }
    double y() const { return y_; }

    void tickBox(double x) {
        DiagramBox box;
        box.rect = {x, y_ + (kRow - kTick) / 2, kTick, kTick};
        box.fill = kWhite;
        box.outlineWidth = 0.3;
        page().boxes.push_back(box);
    }
    void rule() { page().lines.push_back({g::kLeft, y_, g::kRight, y_, 0.2, g::kGreyInk}); }

  private:
    DiagramPage& page() { return document_.pages.back(); }
    void newPage() {
        document_.pages.emplace_back();
        y_ = g::kTop;
    }
    static void text(DiagramPage& page, double x, double y, double width, const std::string& shown,
                     double sizePt, bool bold, TextAlign align) {
        DiagramText placed;
        placed.box = {x, y, width, lineHeightMm(sizePt)};
        placed.text = elideText(shown, sizePt, bold, width);
        placed.sizePt = sizePt;
        placed.bold = bold;
        placed.align = align;
        page.texts.push_back(std::move(placed));
    }

    const StringCatalogue& catalogue_;
    PagedDocument document_;
    double y_ = 0;
};

std::string millimetres(long value) {
    return std::to_string(value) + " mm";
}

void writeHeader(SheetWriter& sheet, const JobHeader& header, const SawList& saw,
                 const std::string& date, const StringCatalogue& catalogue) {
    const double width = g::kRight - g::kLeft;
    sheet.line(g::kLeft, width, catalogue.text(saw_text::kSawList), 14, true);
    sheet.advance(8);
    const std::pair<std::string, std::string> fields[] = {
        {catalogue.text(core_text::kCustomer), header.customer},
        {catalogue.text(core_text::kName), header.name},
        {catalogue.text(core_text::kColour), header.colour},
        {catalogue.text(diagram_text::kDate), date},
        {catalogue.text(core_text::kSliceThickness), millimetres(saw.cutThickness)},
        {catalogue.text(saw_text::kTrim), millimetres(saw.trim)},
    };
    for (size_t i = 0; i < std::size(fields); ++i) {
        const double x = g::kLeft + (i % 2) * width / 2;
        sheet.line(x, 30, fields[i].first + ':');
        sheet.line(x + 31, width / 2 - 33, fields[i].second, kTextPt, true);
        if (i % 2 == 1) sheet.advance(kRow);
    }
    sheet.line(g::kLeft, width, catalogue.text(saw_text::kPositionNote), 8);
    sheet.advance(kRow + 2);
}

// The pattern's number, rods and stock on one line.
void writeHeading(SheetWriter& sheet, const SawStep& step, const StringCatalogue& catalogue) {
    const std::string stock =
        catalogue.text(saw_text::kStockLength) + ": " + millimetres(step.stock.length) + " (" +
        (step.stock.id.empty() ? catalogue.text(saw_text::kNewRod) : step.stock.id) + ')';
    sheet.line(g::kLeft, 28,
               catalogue.text(saw_text::kPattern) + ' ' + std::to_string(step.pattern), kTextPt + 1,
               true);
    sheet.line(g::kLeft + 29, 24,
               catalogue.text(saw_text::kRods) + ": " + std::to_string(step.rods), kTextPt + 1,
               true);
    sheet.line(g::kLeft + 54, kTicksLeft - g::kLeft - 56, stock);
}

void writeCaptions(SheetWriter& sheet, const StringCatalogue& catalogue) {
    const int captions[] = {saw_text::kCut, saw_text::kLength, saw_text::kPosition, saw_text::kRow};
    for (int c = 0; c < 4; ++c)
        sheet.line(kColumnLeft[c], kColumnWidth[c], catalogue.text(captions[c]), 8, false,
                   TextAlign::Right);
    sheet.advance(kRow);
}

void writeStep(SheetWriter& sheet, const SawStep& step, const StringCatalogue& catalogue) {
    const double width = g::kRight - g::kLeft;
    const int ticksPerLine = static_cast<int>((g::kRight - kTicksLeft) / kTickPitch);
    const int tickLines = (step.rods + ticksPerLine - 1) / ticksPerLine;
    // The heading, the ticks, the column captions and the first cut stay together.
    sheet.reserve(kRow * (tickLines + 3) + 2);
    sheet.rule();
    sheet.advance(1);
    writeHeading(sheet, step, catalogue);
    // A tick box per rod, to strike off each rod once cut.
    for (int rod = 0; rod < step.rods; ++rod) {
        if (rod > 0 && rod % ticksPerLine == 0) sheet.advance(kRow);
        sheet.tickBox(kTicksLeft + (rod % ticksPerLine) * kTickPitch);
    }
    sheet.advance(kRow + 1);
    writeCaptions(sheet, catalogue);
    for (size_t i = 0; i < step.cuts.size(); ++i) {
        // A pattern that goes on over a page break says again which it is.
        if (sheet.reserve(kRow)) {
            writeHeading(sheet, step, catalogue);
            sheet.advance(kRow + 1);
            writeCaptions(sheet, catalogue);
        }
        const SawCut& cut = step.cuts[i];
        const std::string cells[] = {std::to_string(i + 1), millimetres(cut.length),
                                     millimetres(cut.position), std::to_string(cut.row)};
        for (int c = 0; c < 4; ++c)
            sheet.line(kColumnLeft[c], kColumnWidth[c], cells[c], kTextPt, c == 2,
                       TextAlign::Right);
        sheet.advance(kRow);
    }
    sheet.reserve(kRow);
    sheet.line(kColumnLeft[0], width - 4,
               catalogue.text(saw_text::kLeftover) + ": " + millimetres(step.leftover) +
                   " \u2013 " +
                   catalogue.text(step.leftoverKept ? saw_text::kKept : saw_text::kWaste));
    sheet.advance(kRow + 2);
}

}  // namespace

PagedDocument composeSawSheet(const JobHeader& header, const SawList& saw, const std::string& date,
                              const StringCatalogue& catalogue) {
    SheetWriter sheet(catalogue);
    writeHeader(sheet, header, saw, date, catalogue);
    for (const SawStep& step : saw.steps) writeStep(sheet, step, catalogue);
    return sheet.finish();
}

}  // namespace marlo
