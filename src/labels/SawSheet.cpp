#include "labels/SawSheet.h"

#include <cmath>

#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/MitreTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/SawOutputTexts.h"
#include "labels/ProductionSawList.h"
#include "labels/SheetWriter.h"
#include "model/NumericText.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kTextPt = SheetWriter::kTextPt;
constexpr double kRow = SheetWriter::kRow;
constexpr double kTickPitch = 5.2;
// The tick boxes of a pattern's rods take the right of its heading line.
constexpr double kTicksLeft = g::kLeft + 128;
// The cut table's columns: number, length, position, list row (a production job's part number);
// right-aligned, from the left. A production job's mark and order follow, left-aligned.
constexpr double kColumnLeft[] = {g::kLeft + 4, g::kLeft + 24, g::kLeft + 54, g::kLeft + 89};
constexpr double kColumnWidth[] = {16, 26, 31, 18};
constexpr double kMarkLeft = g::kLeft + 112, kMarkWidth = 44;
constexpr double kOrderLeft = g::kLeft + 158, kOrderWidth = g::kRight - kOrderLeft;

// The parts a run of rods of a production job's pattern is cut for, cut by cut.
struct CutParts {
    const ProductionJob& job;
    const RodParts& parts;
};

bool hasAngledCuts(const SawList& saw) {
    for (const SawStep& step : saw.steps)
        for (const SawCut& cut : step.cuts)
            if (cut.angled) return true;
    return false;
}

void writeHeader(SheetWriter& sheet, const JobHeader& header, const SawList& saw,
                 const std::string& date, const std::string* material,
                 const StringCatalogue& catalogue) {
    const double width = g::kRight - g::kLeft;
    sheet.line(g::kLeft, width, catalogue.text(saw_text::kSawList), 14, true);
    sheet.advance(8);
    if (material) {
        sheet.line(g::kLeft, width, catalogue.text(plan_text::kMaterialHeading) + *material, 11,
                   true);
        sheet.advance(kRow + 2);
    }
    sheet.fields({
        {catalogue.text(core_text::kCustomer), header.customer},
        {catalogue.text(core_text::kName), header.name},
        {catalogue.text(core_text::kColour), header.colour},
        {catalogue.text(diagram_text::kDate), date},
        {catalogue.text(core_text::kSliceThickness), millimetreText(saw.cutThickness)},
        {catalogue.text(saw_text::kTrim), millimetreText(saw.trim)},
    });
    sheet.line(g::kLeft, width, catalogue.text(saw_text::kPositionNote), 8);
    if (hasAngledCuts(saw)) {
        sheet.advance(kRow);
        sheet.line(g::kLeft, width, catalogue.text(mitre_text::kAngleNote), 8);
    }
    sheet.advance(kRow + 2);
}

// The pattern's number, rods and stock on one line.
void writeHeading(SheetWriter& sheet, const SawStep& step, const StringCatalogue& catalogue) {
    const std::string stock =
        catalogue.text(saw_text::kStockLength) + ": " + millimetreText(step.stock.length) + " (" +
        (step.stock.id.empty() ? catalogue.text(saw_text::kNewRod) : step.stock.id) + ')';
    sheet.line(g::kLeft, 28,
               catalogue.text(saw_text::kPattern) + ' ' + std::to_string(step.pattern), kTextPt + 1,
               true);
    sheet.line(g::kLeft + 29, 24,
               catalogue.text(saw_text::kRods) + ": " + std::to_string(step.rods), kTextPt + 1,
               true);
    sheet.line(g::kLeft + 54, kTicksLeft - g::kLeft - 56, stock);
}

void writeCaptions(SheetWriter& sheet, const CutParts* parts, const StringCatalogue& catalogue) {
    const int captions[] = {saw_text::kCut, saw_text::kLength, saw_text::kPosition,
                            parts ? plan_text::kPartNumber : saw_text::kRow};
    for (int c = 0; c < 4; ++c)
        sheet.line(kColumnLeft[c], kColumnWidth[c], catalogue.text(captions[c]), 8, false,
                   TextAlign::Right);
    if (parts) {
        sheet.line(kMarkLeft, kMarkWidth, catalogue.text(job_text::kMark), 8);
        sheet.line(kOrderLeft, kOrderWidth, catalogue.text(job_text::kOrder), 8);
    }
    sheet.advance(kRow);
}

// A cut's angle as it lies, with the way the blade leans: "45° /", "30° \\", "0°".
std::string angleText(double angle) {
    return shortestNumberText(std::abs(angle)) + "\u00b0" +
           (angle > 0   ? " /"
            : angle < 0 ? " \\"
                        : "");
}

// Where an angled piece lies on the rod's reference face, its cuts as it lies, whether its first
// cut freed the piece before and whether it lies turned over.
std::string angledText(const AngledCut& cut, const StringCatalogue& catalogue) {
    std::string text = fillIn(catalogue.text(mitre_text::kLyingOnReference),
                              {fixedNumberText(cut.start, 1), fixedNumberText(cut.end, 1)}) +
                       " \u00b7 " +
                       fillIn(catalogue.text(mitre_text::kCutsAtEnds),
                              {angleText(cut.startAngle), angleText(cut.endAngle)});
    if (cut.sharesStart) text += " \u00b7 " + catalogue.text(mitre_text::kSharedFirstCut);
    if (cut.turned) text += " \u00b7 " + catalogue.text(mitre_text::kTurnedOver);
    return text;
}

// A line per cut of the step, under the column captions; for a production job with the mark and
// order of the part each cut is for.
void writeCuts(SheetWriter& sheet, const SawStep& step, const CutParts* parts,
               const StringCatalogue& catalogue) {
    writeCaptions(sheet, parts, catalogue);
    for (size_t i = 0; i < step.cuts.size(); ++i) {
        // A pattern that goes on over a page break says again which it is.
        if (sheet.reserve(step.cuts[i].angled ? 2 * kRow : kRow)) {
            writeHeading(sheet, step, catalogue);
            sheet.advance(kRow + 1);
            writeCaptions(sheet, parts, catalogue);
        }
        const SawCut& cut = step.cuts[i];
        const int part = parts ? parts->parts[i] : -1;
        const std::string cells[] = {std::to_string(i + 1), millimetreText(cut.length),
                                     millimetreText(cut.position),
                                     std::to_string(parts ? partNumber(part) : cut.row)};
        for (int c = 0; c < 4; ++c)
            sheet.line(kColumnLeft[c], kColumnWidth[c], cells[c], kTextPt, c == 2,
                       TextAlign::Right);
        if (parts && part >= 0) {
            const Part& shown = parts->job.parts[static_cast<size_t>(part)].part;
            sheet.line(kMarkLeft, kMarkWidth, shown.mark, kTextPt, true);
            sheet.line(kOrderLeft, kOrderWidth, shown.order);
        }
        sheet.advance(kRow);
        if (cut.angled) {
            sheet.line(kColumnLeft[1], g::kRight - kColumnLeft[1],
                       angledText(*cut.angled, catalogue), 8);
            sheet.advance(kRow);
        }
    }
}

// What a run of rods is called where a production job's pattern is cut for several parts.
std::string runText(const RodRun& run, const StringCatalogue& catalogue) {
    if (run.rods == 1)
        return fillIn(catalogue.text(plan_text::kSingleRod), {std::to_string(run.firstRod)});
    return fillIn(catalogue.text(plan_text::kRodRun),
                  {std::to_string(run.firstRod), std::to_string(run.firstRod + run.rods - 1)});
}

// A pattern: its heading with a tick box per rod, its cuts and its leftover. A production job's
// pattern (`job` and the parts of its rods given) lists its cuts once per run of rods cut for the
// same parts.
void writeStep(SheetWriter& sheet, const SawStep& step, const ProductionJob* job,
               const PatternParts* rods, const StringCatalogue& catalogue) {
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
    if (!job || !rods) {
        writeCuts(sheet, step, nullptr, catalogue);
    } else {
        const std::vector<RodRun> runs = rodRuns(*rods);
        for (const RodRun& run : runs) {
            if (runs.size() > 1) {
                sheet.reserve(kRow * 3);
                sheet.line(kColumnLeft[0], width - 4, runText(run, catalogue), kTextPt, true);
                sheet.advance(kRow);
            }
            const CutParts parts{*job, (*rods)[static_cast<size_t>(run.firstRod - 1)]};
            writeCuts(sheet, step, &parts, catalogue);
        }
    }
    sheet.reserve(kRow);
    sheet.line(kColumnLeft[0], width - 4,
               catalogue.text(saw_text::kLeftover) + ": " + millimetreText(step.leftover) +
                   " \u2013 " +
                   catalogue.text(step.leftoverKept ? saw_text::kKept : saw_text::kWaste));
    sheet.advance(kRow + 2);
}

}  // namespace

PagedDocument composeSawSheet(const JobHeader& header, const SawList& saw, const std::string& date,
                              const StringCatalogue& catalogue) {
    SheetWriter sheet(catalogue);
    writeHeader(sheet, header, saw, date, nullptr, catalogue);
    for (const SawStep& step : saw.steps) writeStep(sheet, step, nullptr, nullptr, catalogue);
    return sheet.finish();
}

PagedDocument composeProductionSawSheet(const ProductionJob& job, const ProductionPlan& plan,
                                        const std::string& date, const StringCatalogue& catalogue) {
    SheetWriter sheet(catalogue);
    const std::vector<MaterialSawList> lists = productionSawLists(plan);
    for (size_t m = 0; m < lists.size(); ++m) {
        const MaterialSawList& list = lists[m];
        if (m > 0) sheet.newPage();
        writeHeader(sheet, job.header, list.saw, date, &list.material, catalogue);
        for (size_t i = 0; i < list.saw.steps.size(); ++i)
            writeStep(sheet, list.saw.steps[i], &job, &list.parts[i], catalogue);
    }
    return sheet.finish();
}

}  // namespace marlo
