#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "diagram/DiagramBlock.h"
#include "i18n/StringCatalogue.h"
#include "model/JobParameters.h"
#include "model/RodPattern.h"

namespace marlo {

// The pieces of a pattern in the order the bar shows them: longest first, so that pieces of
// one dimension stand together and the narrow ones at the end of the rod.
std::vector<int16_t> piecesLongestFirst(const RodPattern& pattern);

// The rod a bar is cut from: its length, the trim at each of its ends, the length that sets the
// scale of every bar (the longest rod of the diagram), and a text that names its stock (empty in
// a single-length plan).
struct BarRod {
    int16_t length = 0;
    int16_t trim = 0;
    int16_t scaleLength = 0;
    std::string stock;
};

// One bar of the diagram: the sequence number and "× rods" at the left; the rod to scale across
// the bar's width with each piece as a box in its dimension's colour and its length inside,
// each cut as a dark line as wide as the cut, a positive waste hatched with its length, a
// sliver marked. Lengths too long for their box are listed below the bar under a bracket that
// spans those boxes. The pieces start after the trim. `index` is the 0-based place of the pattern
// in the result.
DiagramBlock barBlock(const RodPattern& pattern, int index, const JobParameters& parameters,
                      const BarRod& rod, const std::map<int16_t, Colour>& colours,
                      const StringCatalogue& catalogue);

}  // namespace marlo
