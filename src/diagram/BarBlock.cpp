#include "diagram/BarBlock.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "diagram/DiagramGeometry.h"
#include "diagram/TextMetrics.h"
#include "i18n/texts/CoreTexts.h"
#include "i18n/texts/DiagramTexts.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kBarTop = 2;
constexpr double kBottomPadding = 2;
constexpr double kTextPadding = 0.5;  // between a text and the sides of its box
constexpr double kListPt = 6.5;
constexpr double kListGap = 2.5;      // between two entries of the list below a bar
constexpr double kBracketDrop = 1.0;  // from the bar's lower edge to the bracket
constexpr double kListTop = 1.6;      // from the bar's lower edge to the first list line
constexpr double kLeastSliverWidth = 0.6;

// The length written inside its box: level, else reading upwards, in the largest size that
// fits; nothing when no size fits.
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

// The lengths that found no room in their boxes, listed below the bar in the bar's order.
class BelowBarList {
  public:
    void add(double from, double to, std::string text) {
        from_ = entries_.empty() ? from : std::min(from_, from);
        to_ = std::max(to_, to);
        entries_.push_back(std::move(text));
    }

    // Draws the bracket under the listed boxes and the entries in lines below it; returns the
    // height taken below the bar.
    double layOut(DiagramPage& page, double barBottom) const {
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

  private:
    std::vector<std::string> entries_;
    double from_ = 0, to_ = 0;
};

void addLabel(DiagramPage& page, double y, const std::string& text, double sizePt, bool bold) {
    DiagramText label;
    label.box = {g::kLeft, y, g::kBarLeft - g::kLeft - 2, lineHeightMm(sizePt)};
    label.text = text;
    label.sizePt = sizePt;
    label.bold = bold;
    page.texts.push_back(label);
}

}  // namespace

std::vector<int16_t> piecesLongestFirst(const RodPattern& pattern) {
    const int count = std::clamp<int>(pattern.pieceCount, 0, RodPattern::kMaxPieces);
    std::vector<int16_t> pieces(pattern.lengths.begin(), pattern.lengths.begin() + count);
    std::stable_sort(pieces.begin(), pieces.end(), std::greater<>());
    return pieces;
}

DiagramBlock barBlock(const RodPattern& pattern, int index, const JobParameters& parameters,
                      const BarRod& bar, const std::map<int16_t, Colour>& colours,
                      const StringCatalogue& catalogue) {
    const std::vector<int16_t> pieces = piecesLongestFirst(pattern);
    const int cut = std::max<int>(parameters.cutThickness, 0);
    const int waste = pattern.waste;
    // A positive waste lies behind a cut after the last piece; otherwise the last piece reaches
    // into the last cut, leaving at most a sliver at the rod's end.
    double used = 0;
    for (const int16_t length : pieces) used += length + cut;
    if (waste <= 0 && !pieces.empty()) used -= cut;
    const double rodLength = std::max<double>(bar.length, 1);
    const double scale = g::kBarWidth / std::max<double>(std::max<double>(bar.scaleLength, 1),
                                                         bar.trim + used + std::max(waste, 0));
    auto xOf = [scale](double millimetres) { return g::kBarLeft + millimetres * scale; };

    DiagramBlock block;
    DiagramPage& page = block.content;
    const double barBottom = kBarTop + g::kBarHeight;
    BelowBarList list;

    double at = bar.trim;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const int16_t length = pieces[i];
        DiagramBox box;
        box.rect = {xOf(at), kBarTop, length * scale, g::kBarHeight};
        box.kind = BoxKind::Piece;
        const auto colour = colours.find(length);
        box.fill = colour == colours.end() ? kWhite : colour->second;
        box.pattern = index;
        box.length = length;
        page.boxes.push_back(box);

        const std::string text = std::to_string(length);
        if (std::optional<DiagramText> inside = textInside(box.rect, text)) {
            page.texts.push_back(*inside);
        } else {
            // Equal pieces stand together: list them once with their count.
            size_t last = i;
            while (last + 1 < pieces.size() && pieces[last + 1] == length) ++last;
            const size_t count = last - i + 1;
            const double runEnd = at + count * (length + cut) - cut;
            list.add(xOf(at), xOf(runEnd),
                     count > 1 ? std::to_string(count) + " \u00D7 " + text : text);
            for (size_t j = i + 1; j <= last; ++j) {
                box.rect.x = xOf(at + (j - i) * (length + cut));
                page.boxes.push_back(box);
            }
            for (size_t j = i; j < last; ++j) {
                const double cutAt = at + (j - i + 1) * (length + cut) - cut;
                page.lines.push_back({xOf(cutAt + cut / 2.0), kBarTop, xOf(cutAt + cut / 2.0),
                                      barBottom, std::max(cut * scale, 0.2), g::kInk});
            }
            at += (last - i) * (length + cut);
            i = last;
        }
        at += length;
        if (i + 1 < pieces.size() || waste > 0) {
            page.lines.push_back({xOf(at + cut / 2.0), kBarTop, xOf(at + cut / 2.0), barBottom,
                                  std::max(cut * scale, 0.2), g::kInk});
            at += cut;
        }
    }

    if (waste > 0) {
        DiagramBox box;
        box.rect = {xOf(at), kBarTop, waste * scale, g::kBarHeight};
        box.kind = BoxKind::Waste;
        box.pattern = index;
        box.length = static_cast<int16_t>(waste);
        page.boxes.push_back(box);
        page.hatches.push_back({box.rect, 1.2, 0.15, g::kGreyInk});
        const std::string text = std::to_string(waste);
        if (std::optional<DiagramText> inside = textInside(box.rect, text)) {
            inside->onWhite = true;
            page.texts.push_back(*inside);
        } else {
            list.add(box.rect.x, box.rect.right(), catalogue.text(core_text::kWaste) + " " + text);
        }
    } else if (waste < 0) {
        // A sliver is thinner than a cut: drawn at least wide enough to be seen, ending where
        // the rod ends.
        const double width = std::max(-waste * scale, kLeastSliverWidth);
        DiagramBox box;
        box.rect = {xOf(at - waste) - width, kBarTop, width, g::kBarHeight};
        box.kind = BoxKind::Sliver;
        box.fill = g::kSliverFill;
        box.pattern = index;
        box.length = static_cast<int16_t>(waste);
        page.boxes.push_back(box);
        list.add(box.rect.x, box.rect.right(),
                 catalogue.text(diagram_text::kSliver) + " " + std::to_string(-waste) + " mm");
    }

    DiagramBox rod;
    rod.rect = {g::kBarLeft, kBarTop, rodLength * scale, g::kBarHeight};
    rod.kind = BoxKind::Rod;
    rod.filled = false;
    rod.outlineWidth = 0.3;
    rod.outline = g::kInk;
    rod.pattern = index;
    rod.length = bar.length;
    page.boxes.push_back(rod);

    const int sequence = pattern.sequence > 0 ? pattern.sequence : index + 1;
    addLabel(page, kBarTop, std::to_string(sequence), 10, true);
    addLabel(page, kBarTop + lineHeightMm(10) + 0.5, "\u00D7 " + std::to_string(pattern.rods), 8,
             false);
    if (!bar.stock.empty())
        addLabel(page, kBarTop + lineHeightMm(10) + lineHeightMm(8) + 1.0, bar.stock, 7, false);

    block.height = barBottom + list.layOut(page, barBottom) + kBottomPadding;
    return block;
}

}  // namespace marlo
