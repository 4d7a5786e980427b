#include "partslist/TextSheet.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "jobfile/CsvText.h"

namespace marlo {

namespace {

// No more cells than separators and line breaks, whichever separator the text has: counted
// before the text is split, so that a line of a million separators is refused rather than held.
std::size_t mostCellsOf(std::string_view text) {
    return 1 + static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
               return c == ';' || c == ',' || c == '\t' || c == '\n' || c == '\r';
           }));
}

}  // namespace

SheetRead textSheet(std::string_view bytes) {
    const std::string text = tableFileText(bytes);
    if (mostCellsOf(text) > kMaxSheetCells) return {SheetFault::TooLarge, {}};
    SheetTableBuilder builder;
    for (CsvLine& line : csvLines(text)) {
        for (std::size_t column = 0; column < line.cells.size(); ++column) {
            std::string cell(trimmedCell(line.cells[column]));
            if (!builder.put(line.line, static_cast<int64_t>(column) + 1, std::move(cell)))
                return {SheetFault::TooLarge, {}};
        }
    }
    SheetRead read = builder.finish();
    read.table.typedNumbers = true;
    return read;
}

}  // namespace marlo
