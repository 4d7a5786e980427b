#include "diagram/BarBlock.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "diagram/BarParts.h"
#include "diagram/DiagramGeometry.h"
#include "i18n/texts/DiagramTexts.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kLeastSliverWidth = 0.6;

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
    const double scale = barScale(bar, bar.trim + used + std::max(waste, 0));
    auto xOf = [scale](double millimetres) { return g::kBarLeft + millimetres * scale; };

    DiagramBlock block;
    DiagramPage& page = block.content;
    const double barBottom = g::kBarTop + g::kBarHeight;
    BelowBarList list;

    double at = bar.trim;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const int16_t length = pieces[i];
        DiagramBox box;
        box.rect = {xOf(at), g::kBarTop, length * scale, g::kBarHeight};
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
                page.lines.push_back({xOf(cutAt + cut / 2.0), g::kBarTop, xOf(cutAt + cut / 2.0),
                                      barBottom, std::max(cut * scale, 0.2), g::kInk});
            }
            at += (last - i) * (length + cut);
            i = last;
        }
        at += length;
        if (i + 1 < pieces.size() || waste > 0) {
            page.lines.push_back({xOf(at + cut / 2.0), g::kBarTop, xOf(at + cut / 2.0), barBottom,
                                  std::max(cut * scale, 0.2), g::kInk});
            at += cut;
        }
    }

    if (waste > 0) {
        const RectMm rect{xOf(at), g::kBarTop, waste * scale, g::kBarHeight};
        addWasteBox(page, list, rect, waste, index, catalogue);
        page.hatches.push_back(wasteHatch(rect));
    } else if (waste < 0) {
        // A sliver is thinner than a cut: drawn at least wide enough to be seen, ending where
        // the rod ends.
        const double width = std::max(-waste * scale, kLeastSliverWidth);
        DiagramBox box;
        box.rect = {xOf(at - waste) - width, g::kBarTop, width, g::kBarHeight};
        box.kind = BoxKind::Sliver;
        box.fill = g::kSliverFill;
        box.pattern = index;
        box.length = static_cast<int16_t>(waste);
        page.boxes.push_back(box);
        list.add(box.rect.x, box.rect.right(),
                 catalogue.text(diagram_text::kSliver) + " " + std::to_string(-waste) + " mm");
    }

    page.boxes.push_back(rodOutline(bar, index, scale));
    addBarLabels(page, pattern, index, bar);

    block.height = barBottom + list.layOut(page, barBottom) + g::kBarBottomPadding;
    return block;
}

}  // namespace marlo
