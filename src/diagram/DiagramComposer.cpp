#include "diagram/DiagramComposer.h"

#include "diagram/BarBlock.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/DimensionColours.h"
#include "diagram/HeaderBlocks.h"

namespace marlo {

namespace g = diagram_geometry;

DiagramLayout composeDiagram(const DiagramSource& source, const StringCatalogue& catalogue) {
    const std::map<int16_t, Colour> colours = dimensionColours(source.patterns);
    std::vector<DiagramBlock> blocks;
    blocks.push_back(headerBlock(source, catalogue));
    for (DiagramBlock& row : legendRows(legendEntries(source.patterns), colours, catalogue))
        blocks.push_back(std::move(row));
    for (size_t i = 0; i < source.patterns.size(); ++i)
        blocks.push_back(barBlock(source.patterns[i], static_cast<int>(i), source.parameters,
                                  colours, catalogue));

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
