#pragma once

#include <vector>

#include "diagram/DiagramLayout.h"

namespace marlo {

// Pages of one size, composed in millimetres like the cutting diagram and painted the same way:
// label sheets, label-printer rolls (a page per label) and the saw sheet.
struct PagedDocument {
    double pageWidth = DiagramLayout::kPageWidth;
    double pageHeight = DiagramLayout::kPageHeight;
    std::vector<DiagramPage> pages;
};

}  // namespace marlo
