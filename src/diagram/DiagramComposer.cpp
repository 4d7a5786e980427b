#include "diagram/DiagramComposer.h"

#include <algorithm>

#include "diagram/AngledBarBlock.h"
#include "diagram/BarBlock.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/DimensionColours.h"
#include "diagram/HeaderBlocks.h"
#include "i18n/texts/StockListTexts.h"
#include "optimiser/StockTotals.h"

namespace marlo {

namespace g = diagram_geometry;

namespace {

// The rods of the bars: the parameters' rod in a single-length plan; from a stock list each
// pattern's own, all to the scale of the longest, each named by its length and an offcut's
// identifier.
std::vector<BarRod> barRods(const DiagramSource& source, const StringCatalogue& catalogue) {
    std::vector<BarRod> rods;
    int16_t longest = source.parameters.rodLength;
    for (const RodPattern& pattern : source.patterns) {
        BarRod rod{source.parameters.rodLength, source.parameters.trim, 0, {}};
        if (const StockItem* item = stockOf(pattern, source.stock)) {
            rod.length = item->length;
            rod.stock = std::to_string(item->length) + " mm";
            if (item->kind == StockKind::Offcut)
                rod.stock += " " + item->id;
            else
                rod.stock += " " + catalogue.text(stock_text::kNewRod);
        }
        rods.push_back(rod);
    }
    if (!source.stock.empty()) {
        longest = 0;
        for (const BarRod& rod : rods) longest = std::max(longest, rod.length);
    }
    for (BarRod& rod : rods) rod.scaleLength = longest;
    return rods;
}

}  // namespace

DiagramLayout composeDiagram(const DiagramSource& source, const StringCatalogue& catalogue) {
    const std::map<int16_t, Colour> colours = dimensionColours(source.patterns);
    std::vector<DiagramBlock> blocks;
    blocks.push_back(headerBlock(source, catalogue));
    for (DiagramBlock& row : legendRows(legendEntries(source.patterns), colours, catalogue))
        blocks.push_back(std::move(row));
    if (std::any_of(source.angled.begin(), source.angled.end(),
                    [](const AngledPattern& pattern) { return !pattern.pieces.empty(); }))
        blocks.push_back(referenceFaceNote(catalogue));
    const std::vector<BarRod> rods = barRods(source, catalogue);
    for (size_t i = 0; i < source.patterns.size(); ++i) {
        const int index = static_cast<int>(i);
        if (i < source.angled.size() && !source.angled[i].pieces.empty())
            blocks.push_back(angledBarBlock(source.patterns[i], source.angled[i], index,
                                            source.parameters, rods[i], colours, catalogue));
        else
            blocks.push_back(barBlock(source.patterns[i], index, source.parameters, rods[i],
                                      colours, catalogue));
    }

    DiagramLayout layout;
    const DiagramBlock head = runningHead(source, catalogue);
    double top = g::kTop;
    layout.pages.emplace_back();
    for (const DiagramBlock& block : blocks) {
        const bool pageHasBlocks = top > g::kTop + (layout.pages.size() > 1 ? head.height : 0);
        if (pageHasBlocks && top + block.height > g::kContentBottom) {
            layout.pages.emplace_back();
            placeBlock(layout.pages.back(), head, g::kTop);
            top = g::kTop + head.height;
        }
        placeBlock(layout.pages.back(), block, top);
        top += block.height;
    }
    const int count = static_cast<int>(layout.pages.size());
    for (int i = 0; i < count; ++i) addFooter(layout.pages[i], i + 1, count, catalogue);
    return layout;
}

}  // namespace marlo
