#include "labels/LabelComposer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "diagram/TextMetrics.h"
#include "i18n/texts/ProductionJobTexts.h"
#include "i18n/texts/ProductionPlanTexts.h"
#include "i18n/texts/SawOutputTexts.h"
#include "labels/Code128.h"
#include "labels/PieceOutline.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

constexpr double kGap = 0.4;
// Between two texts on one line.
constexpr double kTextSpace = 1.5;
// Scanners want a blank of ten modules on both sides of a Code 128 symbol.
constexpr double kQuietModules = 10;
constexpr double kWidestModule = 0.5;
constexpr double kTallestBarcode = 15;

// What a label shows of a piece with angled ends: their angles, bold at the end of the second
// detail line, and what the piece's outline is drawn from.
struct AngledEnds {
    std::string angles;
    mitre::PieceShape shape;
    double profileHeight = 0.0;
};

// The texts of one label, by the place they take.
struct LabelFace {
    std::string heading;  // small, across the top
    std::string big;      // the length, large
    std::string sideTop, sideBottom;
    std::string detail;        // small, below the length
    std::string code;          // the barcode's text
    std::string secondDetail;  // small, below the detail; a production job's label only
    std::optional<AngledEnds> ends = std::nullopt;
};

// The small texts' size grows with the label, within what stays readable.
double smallTextPt(const RectMm& inner) {
    return std::clamp(inner.height / 4.2, 6.0, 9.0);
}
double bigTextPt(const RectMm& inner) {
    return smallTextPt(inner) * 2.6;
}
double codeTextPt(const RectMm& inner) {
    return smallTextPt(inner) * 0.85;
}

// The printed part of a label keeps clear of its edges, where a sticker may be cut a little off
// and office printers leave a margin.
RectMm innerRect(const RectMm& label) {
    const double side = std::clamp(label.width * 0.05, 1.5, 4.0);
    const double top = std::clamp(label.height * 0.06, 1.5, 3.0);
    return {label.x + side, label.y + top, label.width - 2 * side, label.height - 2 * top};
}

void addText(DiagramPage& page, const RectMm& box, const std::string& text, double sizePt,
             bool bold, TextAlign align) {
    if (text.empty()) return;
    DiagramText shown;
    shown.box = box;
    shown.text = elideText(text, sizePt, bold, box.width);
    shown.sizePt = sizePt;
    shown.bold = bold;
    shown.align = align;
    page.texts.push_back(std::move(shown));
}

void addBarcode(DiagramPage& page, const RectMm& box, const std::string& text) {
    const std::optional<Code128Symbol> symbol = encodeCode128(text);
    if (!symbol) return;
    const double module =
        std::min(kWidestModule, box.width / (symbol->modules + 2 * kQuietModules));
    const double left = box.x + (box.width - symbol->modules * module) / 2;
    for (const Code128Symbol::Bar& bar : symbol->bars) {
        DiagramBox drawn;
        drawn.rect = {left + bar.x * module, box.y, bar.width * module, box.height};
        drawn.kind = BoxKind::Bar;
        drawn.fill = kBlack;
        page.boxes.push_back(drawn);
    }
}

// The room a piece's outline is tried in first: beside its length, clear of the length and of the
// side texts.
RectMm besideLength(const LabelFaceBoxes& boxes, const LabelFace& face, double bigPt) {
    const double start = boxes.big.x + textWidthMm(face.big, bigPt, true) + kTextSpace;
    return {start, boxes.big.y, boxes.sideTop.x - kTextSpace - start, boxes.big.height};
}

// The room tried next: right of the detail lines' texts, across both lines, with the angles moved
// in before it on the second line.
RectMm besideDetails(const LabelFaceBoxes& boxes, const LabelFace& face, double sizePt,
                     double anglesWidth) {
    const RectMm& line = boxes.secondDetail;
    const double textsEnd =
        std::max(boxes.detail.x + textWidthMm(face.detail, sizePt, false),
                 line.x + textWidthMm(face.secondDetail, sizePt, false) + kTextSpace + anglesWidth);
    const double start = textsEnd + kTextSpace;
    return {start, boxes.detail.y, line.right() - start, line.bottom() - boxes.detail.y};
}

// The angles of a piece's ends at the end of the second detail line, before them what of the
// line's text fits; the piece's outline where the texts leave room for it, or none.
void addAngledEnds(DiagramPage& page, const LabelFaceBoxes& boxes, const RectMm& inner,
                   const LabelFace& face) {
    const AngledEnds& ends = *face.ends;
    const double small = smallTextPt(inner);
    const RectMm& line = boxes.secondDetail;
    const double anglesWidth = std::min(textWidthMm(ends.angles, small, true), line.width);
    double anglesEnd = line.right();
    std::vector<DiagramLine> outline =
        pieceOutline(ends.shape, ends.profileHeight, besideLength(boxes, face, bigTextPt(inner)));
    if (outline.empty()) {
        outline = pieceOutline(ends.shape, ends.profileHeight,
                               besideDetails(boxes, face, small, anglesWidth));
        for (const DiagramLine& drawn : outline)
            anglesEnd = std::min({anglesEnd, drawn.x1 - kTextSpace, drawn.x2 - kTextSpace});
    }
    page.lines.insert(page.lines.end(), outline.begin(), outline.end());
    const RectMm anglesBox{anglesEnd - anglesWidth, line.y, anglesWidth, line.height};
    addText(page, anglesBox, ends.angles, small, true, TextAlign::Right);
    addText(page, {line.x, line.y, std::max(0.0, anglesBox.x - kTextSpace - line.x), line.height},
            face.secondDetail, small, false, TextAlign::Left);
}

void composeFace(DiagramPage& page, const RectMm& label, const LabelFace& face) {
    const LabelFaceBoxes boxes = labelFaceBoxes(
        label, face.secondDetail.empty() && !face.ends ? DetailLines::One : DetailLines::Two);
    const RectMm inner = innerRect(label);
    const double small = smallTextPt(inner);
    addText(page, boxes.heading, face.heading, small, false, TextAlign::Left);
    addText(page, boxes.big, face.big, bigTextPt(inner), true, TextAlign::Left);
    addText(page, boxes.sideTop, face.sideTop, small, true, TextAlign::Right);
    addText(page, boxes.sideBottom, face.sideBottom, small, false, TextAlign::Right);
    addText(page, boxes.detail, face.detail, small, false, TextAlign::Left);
    if (!face.ends)
        addText(page, boxes.secondDetail, face.secondDetail, small, false, TextAlign::Left);
    else
        addAngledEnds(page, boxes, inner, face);
    addBarcode(page, boxes.barcode, face.code);
    addText(page, boxes.code, face.code, codeTextPt(inner), false, TextAlign::Centre);
}

PagedDocument composeFaces(const std::vector<LabelFace>& faces, const LabelSheetLayout& layout,
                           int start) {
    PagedDocument document{layout.pageWidth, layout.pageHeight, {}};
    for (size_t i = 0; i < faces.size(); ++i) {
        const LabelPlace place = labelPlace(layout, start, static_cast<int>(i));
        if (static_cast<int>(document.pages.size()) <= place.page)
            document.pages.resize(static_cast<size_t>(place.page) + 1);
        composeFace(document.pages[static_cast<size_t>(place.page)], place.rect, faces[i]);
    }
    return document;
}

std::string lengthText(int16_t length) {
    return std::to_string(length) + " mm";
}

// An angle as the office gave it, a negative one with a minus sign.
std::string angleText(double angle) {
    return (angle < 0 ? "\u2212" : "") + shortestNumberText(std::abs(angle)) + "\u00b0";
}

std::string headingOf(const JobHeader& header) {
    std::string heading;
    for (const std::string* part : {&header.customer, &header.name, &header.colour}) {
        if (part->empty()) continue;
        if (!heading.empty()) heading += " \u00b7 ";
        heading += *part;
    }
    return heading;
}

}  // namespace

LabelFaceBoxes labelFaceBoxes(const RectMm& label, DetailLines lines) {
    const RectMm inner = innerRect(label);
    const double smallHeight = lineHeightMm(smallTextPt(inner));
    const double bigHeight = lineHeightMm(bigTextPt(inner));
    const double codeHeight = lineHeightMm(codeTextPt(inner));
    const double sideWidth = inner.width * 0.38;
    LabelFaceBoxes boxes;
    double y = inner.y;
    boxes.heading = {inner.x, y, inner.width, smallHeight};
    y += smallHeight + kGap;
    boxes.big = {inner.x, y, inner.width - sideWidth - kGap, bigHeight};
    boxes.sideTop = {boxes.big.right() + kGap, y, sideWidth, bigHeight / 2};
    boxes.sideBottom = {boxes.sideTop.x, y + bigHeight / 2, sideWidth, bigHeight / 2};
    y += bigHeight + kGap;
    boxes.detail = {inner.x, y, inner.width, smallHeight};
    y += smallHeight + kGap;
    boxes.secondDetail = {inner.x, y, inner.width, 0};
    if (lines == DetailLines::Two) {
        boxes.secondDetail.height = smallHeight;
        y += smallHeight + kGap;
    }
    const double barHeight = std::min(kTallestBarcode, inner.bottom() - y - codeHeight);
    boxes.barcode = {inner.x, y, inner.width, barHeight};
    boxes.code = {inner.x, boxes.barcode.bottom(), inner.width, codeHeight};
    return boxes;
}

namespace {

LabelFace pieceFace(const PieceLabel& label, const StringCatalogue& catalogue) {
    const std::string detail =
        catalogue.text(saw_text::kPattern) + ' ' + std::to_string(label.pattern) + " \u00b7 " +
        catalogue.text(saw_text::kRod) + ' ' + std::to_string(label.rod) + ' ' +
        catalogue.text(saw_text::kOf) + ' ' + std::to_string(label.rods) + " \u00b7 " +
        catalogue.text(saw_text::kPiece) + ' ' + std::to_string(label.piece);
    if (!label.part)
        return LabelFace{headingOf(label.header),
                         lengthText(label.length),
                         catalogue.text(saw_text::kRow) + ' ' + std::to_string(label.row),
                         label.date,
                         detail,
                         label.code,
                         {}};
    // A production job's piece is known by its part's mark (its number when it has none).
    const LabelPart& part = *label.part;
    std::string secondDetail = part.material;
    if (!part.order.empty())
        secondDetail += (secondDetail.empty() ? "" : " \u00b7 ") +
                        catalogue.text(job_text::kOrder) + ": " + part.order;
    LabelFace face{headingOf(label.header),
                   lengthText(label.length),
                   part.mark.empty()
                       ? catalogue.text(plan_text::kPartNumber) + ' ' + std::to_string(label.row)
                       : part.mark,
                   label.date,
                   detail,
                   label.code,
                   secondDetail};
    if (part.angled()) {
        face.ends = AngledEnds{angleText(part.startAngle) + " | " + angleText(part.endAngle),
                               {static_cast<double>(label.length), part.startAngle, part.endAngle},
                               part.profileHeight};
    }
    return face;
}

LabelFace offcutFace(const OffcutLabel& label, const StringCatalogue& catalogue) {
    return LabelFace{label.material,
                     lengthText(label.length),
                     catalogue.text(saw_text::kOffcut),
                     {},
                     catalogue.text(saw_text::kOrigin) + ": " + label.origin,
                     label.id,
                     {}};
}

}  // namespace

PagedDocument composePieceLabels(const std::vector<PieceLabel>& labels,
                                 const LabelSheetLayout& layout, int start,
                                 const StringCatalogue& catalogue) {
    return composePieceAndOffcutLabels(labels, {}, layout, start, catalogue);
}

PagedDocument composeOffcutLabels(const std::vector<OffcutLabel>& labels,
                                  const LabelSheetLayout& layout, int start,
                                  const StringCatalogue& catalogue) {
    return composePieceAndOffcutLabels({}, labels, layout, start, catalogue);
}

PagedDocument composePieceAndOffcutLabels(const std::vector<PieceLabel>& pieces,
                                          const std::vector<OffcutLabel>& offcuts,
                                          const LabelSheetLayout& layout, int start,
                                          const StringCatalogue& catalogue) {
    std::vector<LabelFace> faces;
    for (const PieceLabel& label : pieces) faces.push_back(pieceFace(label, catalogue));
    for (const OffcutLabel& label : offcuts) faces.push_back(offcutFace(label, catalogue));
    return composeFaces(faces, layout, start);
}

}  // namespace marlo
