#include "labels/LabelSheets.h"

namespace marlo {

const std::vector<LabelSheetLayout>& labelSheetLayouts() {
    // The sticker sheets fill the A4 width; their few spare millimetres of height are split
    // evenly above and below.
    static const std::vector<LabelSheetLayout> layouts = {
        {std::string(kDefaultLabelLayout), 210, 297, 3, 8, 70, 37, 0, 0.5},
        {"a4-2x7", 210, 297, 2, 7, 105, 42, 0, 1.5},
        {"roll-62x29", 62, 29, 1, 1, 62, 29, 0, 0},
        {"roll-100x50", 100, 50, 1, 1, 100, 50, 0, 0},
    };
    return layouts;
}

const LabelSheetLayout* findLabelSheetLayout(std::string_view name) {
    for (const LabelSheetLayout& layout : labelSheetLayouts())
        if (layout.name == name) return &layout;
    return nullptr;
}

std::string labelLayoutNames() {
    std::string names;
    for (const LabelSheetLayout& layout : labelSheetLayouts()) names += layout.name + '\n';
    return names;
}

bool validLabelStart(const LabelSheetLayout& layout, int start) {
    return start >= 1 && start <= layout.labelsPerPage();
}

LabelPlace labelPlace(const LabelSheetLayout& layout, int start, int index) {
    const int position = start - 1 + index;
    const int onPage = position % layout.labelsPerPage();
    const int column = onPage % layout.columns;
    const int row = onPage / layout.columns;
    return {position / layout.labelsPerPage(),
            {layout.left + column * layout.labelWidth, layout.top + row * layout.labelHeight,
             layout.labelWidth, layout.labelHeight}};
}

}  // namespace marlo
