#include "diagram/BarParts.h"

#include <algorithm>

#include "diagram/DiagramGeometry.h"
#include "diagram/TextMetrics.h"
#include "i18n/texts/CoreTexts.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kTextPadding = 0.5;  // between a text and the sides of its box
constexpr double kListPt = 6.5;
constexpr double kListGap = 2.5;      // between two entries of the list below a bar
constexpr double kBracketDrop = 1.0;  // from the bar's lower edge to the bracket
constexpr double kListTop = 1.6;      // from the bar's lower edge to the first list line

void addLabel(DiagramPage& page, double y, const std::string& text, double sizePt, bool bold) {
    DiagramText label;
    label.box = {g::kLeft, y, g::kBarLeft - g::kLeft - 2, lineHeightMm(sizePt)};
    label.text = text;
    label.sizePt = sizePt;
    label.bold = bold;
    page.texts.push_back(label);
}

}  // namespace

double barScale(const BarRod& rod, double extent) {
    return g::kBarWidth / std::max<double>(std::max<double>(rod.scaleLength, 1), extent);
}

std::optional<DiagramText> textInside(const RectMm& box, const std::string& text) {
    struct Try {
        double sizePt;
        bool rotated;
    };
    for (const Try t : {Try{7, false}, Try{7, true}, Try{5.5, false}, Try{5.5, true}}) {
        const double length = textWidthMm(text, t.sizePt, false);
        const double thickness = lineHeightMm(t.sizePt);
        const double across = t.rotated ? box.height : box.width;
        const double along = t.rotated ? box.width : box.height;
        if (length + 2 * kTextPadding > across || thickness > along) continue;
        DiagramText placed;
        placed.text = text;
        placed.sizePt = t.sizePt;
        placed.rotated = t.rotated;
        placed.align = TextAlign::Centre;
        const double width = t.rotated ? thickness : length;
        const double height = t.rotated ? length : thickness;
        placed.box = {box.x + (box.width - width) / 2, box.y + (box.height - height) / 2, width,
                      height};
        return placed;
    }
    return std::nullopt;
}

void BelowBarList::add(double from, double to, std::string text) {
    from_ = entries_.empty() ? from : std::min(from_, from);
    to_ = std::max(to_, to);
    entries_.push_back(std::move(text));
}

double BelowBarList::layOut(DiagramPage& page, double barBottom) const {
    if (entries_.empty()) return 0;
    double from = from_, to = to_;
    if (to - from < 1.0) {
        const double middle = (from + to) / 2;
        from = std::max(g::kBarLeft, middle - 0.5);
        to = std::min(g::kRight, from + 1.0);
    }
    const double bracketY = barBottom + kBracketDrop;
    page.lines.push_back({from, bracketY, to, bracketY, 0.2, g::kInk});
    page.lines.push_back({from, barBottom + 0.2, from, bracketY, 0.2, g::kInk});
    page.lines.push_back({to, barBottom + 0.2, to, bracketY, 0.2, g::kInk});

    double total = -kListGap;
    for (const std::string& entry : entries_)
        total += textWidthMm(entry, kListPt, false) + kListGap;
    // Under the bracket where the line has room, else as far right as it goes.
    double x =
        total <= g::kBarWidth ? std::clamp(from, g::kBarLeft, g::kRight - total) : g::kBarLeft;
    const double lineHeight = lineHeightMm(kListPt);
    double y = barBottom + kListTop;
    for (const std::string& entry : entries_) {
        const double width = std::min(textWidthMm(entry, kListPt, false), g::kBarWidth);
        if (x > g::kBarLeft && x + width > g::kRight) {
            x = g::kBarLeft;
            y += lineHeight;
        }
        DiagramText text;
        text.box = {x, y, width, lineHeight};
        text.text = entry;
        text.sizePt = kListPt;
        page.texts.push_back(text);
        x += width + kListGap;
    }
    return y + lineHeight - barBottom;
}

void addWasteBox(DiagramPage& page, BelowBarList& list, const RectMm& rect, int waste, int index,
                 const StringCatalogue& catalogue) {
    DiagramBox box;
    box.rect = rect;
    box.kind = BoxKind::Waste;
    box.pattern = index;
    box.length = static_cast<int16_t>(waste);
    page.boxes.push_back(box);
    const std::string text = std::to_string(waste);
    if (std::optional<DiagramText> inside = textInside(box.rect, text)) {
        inside->onWhite = true;
        page.texts.push_back(*inside);
    } else {
        list.add(box.rect.x, box.rect.right(), catalogue.text(core_text::kWaste) + " " + text);
    }
}

DiagramHatch wasteHatch(const RectMm& rect) {
    return {rect, 1.2, 0.15, g::kGreyInk};
}

DiagramBox rodOutline(const BarRod& rod, int index, double scale) {
    DiagramBox box;
    box.rect = {g::kBarLeft, g::kBarTop, std::max<double>(rod.length, 1) * scale, g::kBarHeight};
    box.kind = BoxKind::Rod;
    box.filled = false;
    box.outlineWidth = 0.3;
    box.outline = g::kInk;
    box.pattern = index;
    box.length = rod.length;
    return box;
}

void addBarLabels(DiagramPage& page, const RodPattern& pattern, int index, const BarRod& rod) {
    const int sequence = pattern.sequence > 0 ? pattern.sequence : index + 1;
    addLabel(page, g::kBarTop, std::to_string(sequence), 10, true);
    addLabel(page, g::kBarTop + lineHeightMm(10) + 0.5, "\u00D7 " + std::to_string(pattern.rods), 8,
             false);
    if (!rod.stock.empty())
        addLabel(page, g::kBarTop + lineHeightMm(10) + lineHeightMm(8) + 1.0, rod.stock, 7, false);
}

}  // namespace marlo
