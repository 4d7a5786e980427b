#pragma once

#include "diagram/DiagramLayout.h"

namespace marlo {

// A piece of the diagram that stays on one page (the header, a row of the legend, one bar),
// laid out from y = 0 down to its height.
struct DiagramBlock {
    double height = 0;
    DiagramPage content;
};

// Copies the block's content onto the page with its top at `top`.
void placeBlock(DiagramPage& page, const DiagramBlock& block, double top);

}  // namespace marlo
