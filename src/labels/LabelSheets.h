#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "diagram/DiagramLayout.h"

namespace marlo {

// Where labels go: a sheet of stickers in columns and rows, or a label-printer roll with one
// label per page. Millimetres, the origin at the page's top left corner.
struct LabelSheetLayout {
    std::string name;  // as the command line and the settings know it
    double pageWidth = 0, pageHeight = 0;
    int columns = 1, rows = 1;
    double labelWidth = 0, labelHeight = 0;
    double left = 0, top = 0;  // the first sticker's corner

    int labelsPerPage() const { return columns * rows; }
    bool isRoll() const { return labelsPerPage() == 1; }
};

inline constexpr std::string_view kDefaultLabelLayout = "a4-3x8";

// The layouts the program knows, the default first.
const std::vector<LabelSheetLayout>& labelSheetLayouts();
// The layout of this name; nothing for an unknown name.
const LabelSheetLayout* findLabelSheetLayout(std::string_view name);
// The names, one a line, for the command line's help.
std::string labelLayoutNames();

// A sticker on a sheet: the page and the sticker's rectangle.
struct LabelPlace {
    int page = 0;
    RectMm rect;
};

// Whether a (1-based) start position lies on the sheet.
bool validLabelStart(const LabelSheetLayout& layout, int start);
// Where the label `index` (0-based) goes when the first one takes sticker `start` (1-based, row
// by row, left to right) of a partly used first sheet.
LabelPlace labelPlace(const LabelSheetLayout& layout, int start, int index);

}  // namespace marlo
