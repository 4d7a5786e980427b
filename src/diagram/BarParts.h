#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diagram/BarBlock.h"
#include "diagram/DiagramLayout.h"
#include "i18n/StringCatalogue.h"
#include "model/RodPattern.h"

namespace marlo {

// What every bar of the diagram is drawn with, whether its pieces are square or angled.

// The scale of a bar (page mm per rod mm): the longest rod of the diagram, or what this bar's
// trim, pieces and waste take when that is longer, across the bar's width.
double barScale(const BarRod& rod, double extent);

// A length written inside its box: level, else reading upwards, in the largest size that fits;
// nothing when no size fits.
std::optional<DiagramText> textInside(const RectMm& box, const std::string& text);

// The lengths that found no room in their boxes, listed below the bar in the bar's order.
class BelowBarList {
  public:
    // An entry for the boxes from `from` to `to` (page mm).
    void add(double from, double to, std::string text);

    // Draws the bracket under the listed boxes and the entries in lines below it; returns the
    // height taken below the bar.
    double layOut(DiagramPage& page, double barBottom) const;

  private:
    std::vector<std::string> entries_;
    double from_ = 0, to_ = 0;
};

// The waste behind the last piece: a box with its length inside, or listed below the bar. The
// caller hatches it.
void addWasteBox(DiagramPage& page, BelowBarList& list, const RectMm& rect, int waste, int index,
                 const StringCatalogue& catalogue);

// The hatching of waste.
DiagramHatch wasteHatch(const RectMm& rect);

// The rod's outline, its length to scale.
DiagramBox rodOutline(const BarRod& rod, int index, double scale);

// Left of the bar: the pattern's sequence number, "× rods" and the rod's stock.
void addBarLabels(DiagramPage& page, const RodPattern& pattern, int index, const BarRod& rod);

}  // namespace marlo
