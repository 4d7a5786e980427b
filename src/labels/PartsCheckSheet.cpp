#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/DiagramTexts.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "labels/PartsCheckList.h"
#include "labels/SheetWriter.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kRow = SheetWriter::kRow;
constexpr double kTextPt = SheetWriter::kTextPt;

// A part's line: number, mark, material, length, pieces, order and how many are cut.
struct Column {
    double left, width;
    TextAlign align;
};
constexpr Column kColumns[] = {{g::kLeft, 10, TextAlign::Right},
                               {g::kLeft + 13, 36, TextAlign::Left},
                               {g::kLeft + 51, 34, TextAlign::Left},
                               {g::kLeft + 87, 20, TextAlign::Right},
                               {g::kLeft + 109, 12, TextAlign::Right},
                               {g::kLeft + 125, 28, TextAlign::Left},
                               {g::kLeft + 155, g::kRight - g::kLeft - 155, TextAlign::Right}};
// Below it the pieces: a tick box and where the piece is cut, several to a line.
constexpr double kPiecesLeft = g::kLeft + 13;
constexpr double kPiecePitch = 34.5;
constexpr double kBoxGap = 4.8;
constexpr int kPiecesPerLine = static_cast<int>((g::kRight - kPiecesLeft) / kPiecePitch);

void writeCaptions(SheetWriter& sheet, const StringCatalogue& catalogue) {
    const int captions[] = {plan_text::kPartNumber, job_text::kMark,   job_text::kMaterial,
                            job_text::kLength,      job_text::kPieces, job_text::kOrder};
    for (size_t c = 0; c < std::size(captions); ++c)
        sheet.line(kColumns[c].left, kColumns[c].width, catalogue.text(captions[c]), 8, false,
                   kColumns[c].align);
    sheet.advance(kRow);
}

void writePartLine(SheetWriter& sheet, const Part& part, const PartCheck& check,
                   const StringCatalogue& catalogue) {
    const std::string cut = fillIn(catalogue.text(plan_text::kPiecesCut),
                                   {std::to_string(check.cut.size()), std::to_string(part.pieces)});
    const std::string cells[] = {std::to_string(check.part + 1),
                                 part.mark,
                                 part.material,
                                 millimetreText(part.length),
                                 std::to_string(part.pieces),
                                 part.order,
                                 cut};
    for (size_t c = 0; c < std::size(cells); ++c)
        sheet.line(kColumns[c].left, kColumns[c].width, cells[c], c == 6 ? 8 : kTextPt, c == 1,
                   kColumns[c].align);
    sheet.advance(kRow);
}

// A new page repeats the captions and the part whose pieces go on.
void writePart(SheetWriter& sheet, const Part& part, const PartCheck& check,
               const StringCatalogue& catalogue) {
    if (sheet.reserve(kRow * 2 + 1)) writeCaptions(sheet, catalogue);
    sheet.rule();
    sheet.advance(0.5);
    writePartLine(sheet, part, check, catalogue);
    const int count = static_cast<int>(check.cut.size()) + check.notCut;
    for (int piece = 0; piece < count; ++piece) {
        const int column = piece % kPiecesPerLine;
        if (column == 0 && piece > 0) sheet.advance(kRow);
        if (column == 0 && sheet.reserve(kRow)) {
            writeCaptions(sheet, catalogue);
            writePartLine(sheet, part, check, catalogue);
        }
        const bool cut = piece < static_cast<int>(check.cut.size());
        const double x = kPiecesLeft + column * kPiecePitch;
        sheet.tickBox(x);
        sheet.line(
            x + kBoxGap, kPiecePitch - kBoxGap - 1,
            piecePlaceText(cut ? &check.cut[static_cast<size_t>(piece)] : nullptr, catalogue),
            kTextPt, !cut);
    }
    sheet.advance(kRow + 1.5);
}

}  // namespace

PagedDocument composePartsCheckList(const ProductionJob& job, const ProductionPlan& plan,
                                    const std::string& date, const StringCatalogue& catalogue) {
    SheetWriter sheet(catalogue);
    sheet.line(g::kLeft, g::kRight - g::kLeft, catalogue.text(plan_text::kPartsCheckList), 14,
               true);
    sheet.advance(8);
    sheet.fields({{catalogue.text(core_text::kCustomer), job.header.customer},
                  {catalogue.text(core_text::kName), job.header.name},
                  {catalogue.text(core_text::kColour), job.header.colour},
                  {catalogue.text(diagram_text::kDate), date}});
    sheet.advance(2);
    writeCaptions(sheet, catalogue);
    for (const PartCheck& check : partsCheckList(job, plan))
        writePart(sheet, job.parts[static_cast<size_t>(check.part)].part, check, catalogue);
    return sheet.finish();
}

}  // namespace marlo
