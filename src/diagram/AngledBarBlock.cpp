#include "diagram/AngledBarBlock.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "diagram/BarParts.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/TextMetrics.h"
#include "i18n/texts/MitreDiagramTexts.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

constexpr double kOutlineWidth = 0.15;
constexpr double kLeastCutWidth = 0.2;
constexpr double kNotePt = 7;

// The pieces' lengths inside them where they fit, else listed below the bar: pieces of one
// length that follow each other in cutting order once, with their count.
class PieceLengths {
  public:
    void add(DiagramPage& page, const DiagramPolygon& piece, int16_t length) {
        if (std::optional<DiagramText> inside =
                textInside(roomInside(piece), std::to_string(length))) {
            page.texts.push_back(*inside);
            previousUnfitted_ = false;
            return;
        }
        const double from = std::min(piece.corners[0].x, piece.corners[3].x);
        const double to = std::max(piece.corners[1].x, piece.corners[2].x);
        if (previousUnfitted_ && unfitted_.back().length == length) {
            unfitted_.back().to = to;
            ++unfitted_.back().count;
        } else {
            unfitted_.push_back({from, to, length, 1});
        }
        previousUnfitted_ = true;
    }

    void addUnfitted(BelowBarList& list) const {
        for (const Run& run : unfitted_) {
            const std::string text = std::to_string(run.length);
            list.add(run.from, run.to,
                     run.count > 1 ? std::to_string(run.count) + " \u00D7 " + text : text);
        }
    }

  private:
    // The widest upright rectangle inside the piece: the room for its length.
    static RectMm roomInside(const DiagramPolygon& piece) {
        const std::vector<PointMm>& c = piece.corners;
        const double left = std::max(c[0].x, c[3].x);
        const double right = std::min(c[1].x, c[2].x);
        return {left, g::kBarTop, std::max(right - left, 0.0), g::kBarHeight};
    }

    struct Run {
        double from = 0, to = 0;
        int16_t length = 0;
        int count = 0;
    };
    std::vector<Run> unfitted_;
    bool previousUnfitted_ = false;
};

// Maps the rod onto the bar: x in mm from the trim along the rod, the reference face the bar's
// lower edge and the opposite face its upper edge.
class BarMapping {
  public:
    BarMapping(double trim, double scale) : trim_(trim), scale_(scale) {}

    double x(double mm) const { return g::kBarLeft + (trim_ + mm) * scale_; }
    double scale() const { return scale_; }
    static constexpr double kReference = g::kBarTop + g::kBarHeight;
    static constexpr double kOpposite = g::kBarTop;

  private:
    double trim_, scale_;
};

// The piece's corners: its start and end on the reference face, then its end and start on the
// opposite face.
DiagramPolygon piecePolygon(const AngledPiece& piece, const BarMapping& bar, Colour fill) {
    const mitre::PiecePosition& at = piece.position;
    DiagramPolygon polygon;
    polygon.corners = {{bar.x(at.referenceStart), BarMapping::kReference},
                       {bar.x(at.referenceEnd), BarMapping::kReference},
                       {bar.x(at.referenceEnd + piece.ends.right.offset), BarMapping::kOpposite},
                       {bar.x(at.referenceStart + piece.ends.left.offset), BarMapping::kOpposite}};
    polygon.fill = fill;
    polygon.outlineWidth = kOutlineWidth;
    polygon.outline = g::kInk;
    return polygon;
}

// The one cut of two neighbours whose cut lines coincide: along the middle of the kerf between
// them, as wide across as the kerf is along the rod.
DiagramLine sharedCutLine(const AngledPiece& before, const AngledPiece& after,
                          const BarMapping& bar, double cutThickness) {
    const double middle = (before.position.referenceEnd + after.position.referenceStart) / 2;
    const double offset = before.ends.right.offset;
    const double kerf = std::max(mitre::kerfAlongRod(cutThickness, before.ends.right.angle),
                                 mitre::kerfAlongRod(cutThickness, after.ends.left.angle));
    const double lean = offset * bar.scale();
    const double across = kerf * bar.scale() * g::kBarHeight / std::hypot(lean, g::kBarHeight);
    return {bar.x(middle),         BarMapping::kReference,           bar.x(middle + offset),
            BarMapping::kOpposite, std::max(across, kLeastCutWidth), g::kInk};
}

}  // namespace

DiagramBlock angledBarBlock(const RodPattern& pattern, const AngledPattern& cuts, int index,
                            const JobParameters& parameters, const BarRod& rod,
                            const std::map<int16_t, Colour>& colours,
                            const StringCatalogue& catalogue) {
    const int waste = std::max<int>(pattern.waste, 0);
    const double taken = cuts.lengthUsed + waste;
    const BarMapping bar(rod.trim, barScale(rod, rod.trim + taken));
    const double cutThickness = std::max<int>(parameters.cutThickness, 0);

    DiagramBlock block;
    DiagramPage& page = block.content;
    BelowBarList list;
    // From the trim to the remnant's end the rod is hatched and the pieces cover it: what still
    // shows is the waste of the wedges and the remnant.
    page.hatches.push_back(wasteHatch({bar.x(0), g::kBarTop, taken * bar.scale(), g::kBarHeight}));

    PieceLengths lengths;
    for (size_t i = 0; i < cuts.pieces.size(); ++i) {
        const AngledPiece& piece = cuts.pieces[i];
        if (piece.slot < 0 || piece.slot >= RodPattern::kMaxPieces) continue;
        const int16_t length = pattern.lengths[static_cast<size_t>(piece.slot)];
        const auto colour = colours.find(length);
        const DiagramPolygon polygon =
            piecePolygon(piece, bar, colour == colours.end() ? kWhite : colour->second);
        page.polygons.push_back(polygon);

        lengths.add(page, polygon, length);
        if (i + 1 < cuts.pieces.size() &&
            mitre::sharedCut(piece.ends.right, cuts.pieces[i + 1].ends.left))
            page.lines.push_back(sharedCutLine(piece, cuts.pieces[i + 1], bar, cutThickness));
    }
    lengths.addUnfitted(list);

    if (waste > 0)
        addWasteBox(page, list,
                    {bar.x(cuts.lengthUsed), g::kBarTop, waste * bar.scale(), g::kBarHeight}, waste,
                    index, catalogue);
    page.boxes.push_back(rodOutline(rod, index, bar.scale()));
    addBarLabels(page, pattern, index, rod);

    const double barBottom = g::kBarTop + g::kBarHeight;
    block.height = barBottom + list.layOut(page, barBottom) + g::kBarBottomPadding;
    return block;
}

DiagramBlock referenceFaceNote(const StringCatalogue& catalogue) {
    DiagramBlock block;
    DiagramText note;
    note.box = {g::kLeft, 0, g::kRight - g::kLeft, lineHeightMm(kNotePt)};
    note.text = catalogue.text(mitre_diagram_text::kReferenceFaceBelow);
    note.sizePt = kNotePt;
    note.colour = g::kGreyInk;
    block.content.texts.push_back(note);
    block.height = note.box.height + 1.5;
    return block;
}

}  // namespace marlo
