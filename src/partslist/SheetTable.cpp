#include "partslist/SheetTable.h"

#include <utility>

namespace marlo {

bool SheetTableBuilder::refuse() {
    tooLarge_ = true;
    table_.rows.clear();
    return false;
}

bool SheetTableBuilder::put(int64_t row, int64_t column, std::string text) {
    if (tooLarge_) return false;
    if (text.empty()) return true;
    if (row < 1 || row > kMaxSheetRows || column < 1 || column > kMaxSheetColumns) return refuse();
    if (table_.rows.empty() || table_.rows.back().number != row)
        table_.rows.push_back({static_cast<int>(row), {}});
    std::vector<std::string>& cells = table_.rows.back().cells;
    const auto width = static_cast<std::size_t>(column);
    if (cells.size() < width) {
        cells_ += width - cells.size();
        cells.resize(width);
    }
    textBytes_ += text.size();
    if (cells_ > kMaxSheetCells || textBytes_ > kMaxSheetTextBytes) return refuse();
    cells[width - 1] = std::move(text);
    return true;
}

bool SheetTableBuilder::repeatLastRow(int64_t lastRow) {
    if (tooLarge_ || table_.rows.empty()) return !tooLarge_;
    if (lastRow > kMaxSheetRows) return refuse();
    const SheetRow copied = table_.rows.back();
    std::size_t rowBytes = 0;
    for (const std::string& cell : copied.cells) rowBytes += cell.size();
    for (int64_t row = copied.number + 1; row <= lastRow; ++row) {
        cells_ += copied.cells.size();
        textBytes_ += rowBytes;
        if (cells_ > kMaxSheetCells || textBytes_ > kMaxSheetTextBytes) return refuse();
        table_.rows.push_back({static_cast<int>(row), copied.cells});
    }
    return true;
}

std::optional<int> columnOfLetters(std::string_view letters) {
    if (letters.empty() || letters.size() > 3) return std::nullopt;
    int column = 0;
    for (char c : letters) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') return std::nullopt;
        column = column * 26 + (c - 'A' + 1);
    }
    if (column > kMaxSheetColumns) return std::nullopt;
    return column;
}

std::string lettersOfColumn(int column) {
    std::string letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    return letters;
}

SheetRead SheetTableBuilder::finish() {
    if (tooLarge_) return {SheetFault::TooLarge, {}};
    return {SheetFault::None, std::move(table_)};
}

}  // namespace marlo
