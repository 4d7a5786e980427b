#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "diagram/DiagramBlock.h"
#include "diagram/DiagramSource.h"
#include "i18n/StringCatalogue.h"

namespace marlo {

// The head of the first page: the title; customer, name and colour; rod length, cut thickness
// and date; the totals (rods, waste, efficiency and the lower bound when there is one).
DiagramBlock headerBlock(const DiagramSource& source, const StringCatalogue& catalogue);

// A dimension of the result with the pieces cut of it in all rods.
struct LegendEntry {
    int16_t dimension = 0;
    int32_t pieces = 0;
};

// The dimensions of the result, largest first, with their pieces.
std::vector<LegendEntry> legendEntries(std::span<const RodPattern> patterns);

// The legend in rows of blocks, each entry its colour and its dimension with its pieces; the
// last row ends with the rule above the bars.
std::vector<DiagramBlock> legendRows(const std::vector<LegendEntry>& entries,
                                     const std::map<int16_t, Colour>& colours,
                                     const StringCatalogue& catalogue);

// The line at the top of every further page: the title, customer and name.
DiagramBlock runningHead(const DiagramSource& source, const StringCatalogue& catalogue);

// The foot of a page: the program and version at the left, "Page n / count" at the right.
void addFooter(DiagramPage& page, int number, int count, const StringCatalogue& catalogue);

}  // namespace marlo
