#include "diagram/HatchLines.h"

#include <algorithm>

namespace marlo {

std::vector<DiagramLine> hatchLines(const DiagramHatch& hatch) {
    std::vector<DiagramLine> lines;
    const RectMm& r = hatch.rect;
    if (r.width <= 0 || r.height <= 0 || hatch.spacing <= 0) return lines;
    // The line that starts `along` mm right of the lower left corner runs through
    // (x + along + s, bottom - s) for s from 0 to the height; only s with x <= x + along + s <=
    // right lies inside.
    for (double along = -r.height; along < r.width; along += hatch.spacing) {
        const double from = std::max(0.0, -along);
        const double to = std::min(r.height, r.width - along);
        if (to <= from) continue;
        lines.push_back({r.x + along + from, r.bottom() - from, r.x + along + to, r.bottom() - to,
                         hatch.lineWidth, hatch.colour});
    }
    return lines;
}

}  // namespace marlo
