#include "diagram/DiagramBlock.h"

namespace marlo {

void placeBlock(DiagramPage& page, const DiagramBlock& block, double top) {
    for (DiagramBox box : block.content.boxes) {
        box.rect.y += top;
        page.boxes.push_back(box);
    }
    for (DiagramHatch hatch : block.content.hatches) {
        hatch.rect.y += top;
        page.hatches.push_back(hatch);
    }
    for (DiagramPolygon polygon : block.content.polygons) {
        for (PointMm& corner : polygon.corners) corner.y += top;
        page.polygons.push_back(polygon);
    }
    for (DiagramLine line : block.content.lines) {
        line.y1 += top;
        line.y2 += top;
        page.lines.push_back(line);
    }
    for (DiagramText text : block.content.texts) {
        text.box.y += top;
        page.texts.push_back(text);
    }
}

}  // namespace marlo
