#include "reports/SpreadsheetModel.h"

#include <set>
#include <utility>

namespace marlo {

namespace {

const CellValue kNoValue;

template <typename Visit>
void forEachCell(const CellRange& range, Visit visit) {
    for (int row = range.first.row; row <= range.last.row; ++row) {
        for (int column = range.first.column; column <= range.last.column; ++column) {
            visit(CellRef{row, column});
        }
    }
}

}  // namespace

RangeBorders RangeBorders::box(BorderLine outline) {
    return {outline, outline, outline, outline, BorderLine::None, BorderLine::None};
}

void SpreadsheetModel::setText(CellRef cell, std::string text) {
    cells_[cell].value = std::move(text);
}

void SpreadsheetModel::setNumber(CellRef cell, double value) {
    cells_[cell].value = value;
}

const CellValue& SpreadsheetModel::value(CellRef cell) const {
    const auto found = cells_.find(cell);
    return found == cells_.end() ? kNoValue : found->second.value;
}

template <typename Change>
void SpreadsheetModel::changeStyles(const CellRange& range, Change change) {
    forEachCell(range, [&](CellRef cell) { change(cells_[cell].style); });
}

void SpreadsheetModel::setFont(const CellRange& range, const std::string& name, double size) {
    changeStyles(range, [&](CellStyle& style) {
        style.fontName = name;
        style.fontSize = size;
    });
}

void SpreadsheetModel::setBold(const CellRange& range, bool bold) {
    changeStyles(range, [&](CellStyle& style) { style.bold = bold; });
}

void SpreadsheetModel::setFontColour(const CellRange& range, Rgb colour) {
    changeStyles(range, [&](CellStyle& style) { style.fontColour = colour; });
}

void SpreadsheetModel::setHorizontalAlignment(const CellRange& range,
                                              HorizontalAlignment alignment) {
    changeStyles(range, [&](CellStyle& style) { style.horizontal = alignment; });
}

void SpreadsheetModel::setVerticalAlignment(const CellRange& range, VerticalAlignment alignment) {
    changeStyles(range, [&](CellStyle& style) { style.vertical = alignment; });
}

void SpreadsheetModel::setWrapText(const CellRange& range, bool wrap) {
    changeStyles(range, [&](CellStyle& style) { style.wrapText = wrap; });
}

void SpreadsheetModel::setFill(const CellRange& range, Rgb colour) {
    changeStyles(range, [&](CellStyle& style) { style.fill = colour; });
}

void SpreadsheetModel::setNumberFormat(const CellRange& range, const std::string& format) {
    changeStyles(range, [&](CellStyle& style) { style.numberFormat = format; });
}

void SpreadsheetModel::setEdge(std::map<CellRef, BorderLine>& edges, CellRef cell,
                               std::optional<BorderLine> line) {
    if (!line) return;
    if (*line == BorderLine::None) {
        edges.erase(cell);
    } else {
        edges[cell] = *line;
    }
}

BorderLine SpreadsheetModel::edge(const std::map<CellRef, BorderLine>& edges, CellRef cell) {
    const auto found = edges.find(cell);
    return found == edges.end() ? BorderLine::None : found->second;
}

void SpreadsheetModel::drawBorders(const CellRange& range, const RangeBorders& borders) {
    if (range.empty()) return;
    const CellRef first = range.first;
    const CellRef last = range.last;
    for (int row = first.row; row <= last.row; ++row) {
        setEdge(edgesLeftOf_, {row, first.column}, borders.left);
        setEdge(edgesLeftOf_, {row, last.column + 1}, borders.right);
        for (int column = first.column + 1; column <= last.column; ++column) {
            setEdge(edgesLeftOf_, {row, column}, borders.insideVertical);
        }
    }
    for (int column = first.column; column <= last.column; ++column) {
        setEdge(edgesAbove_, {first.row, column}, borders.top);
        setEdge(edgesAbove_, {last.row + 1, column}, borders.bottom);
        for (int row = first.row + 1; row <= last.row; ++row) {
            setEdge(edgesAbove_, {row, column}, borders.insideHorizontal);
        }
    }
}

void SpreadsheetModel::merge(const CellRange& range) {
    if (range.empty()) return;
    CellValue shown;
    forEachCell(range, [&](CellRef cell) {
        const auto found = cells_.find(cell);
        if (found == cells_.end()) return;
        if (std::holds_alternative<std::monostate>(shown)) shown = found->second.value;
        found->second.value = std::monostate{};
    });
    cells_[range.first].value = std::move(shown);
    merges_.push_back(range);
}

void SpreadsheetModel::setColumnWidth(int firstColumn, int lastColumn, double characters) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
        columnWidths_[column] = characters;
    }
}

void SpreadsheetModel::setRowHeight(int row, double points) {
    rowHeights_[row] = points;
}

CellStyle SpreadsheetModel::style(CellRef cell) const {
    const auto found = cells_.find(cell);
    CellStyle style = found == cells_.end() ? CellStyle{} : found->second.style;
    style.left = edge(edgesLeftOf_, cell);
    style.right = edge(edgesLeftOf_, {cell.row, cell.column + 1});
    style.top = edge(edgesAbove_, cell);
    style.bottom = edge(edgesAbove_, {cell.row + 1, cell.column});
    return style;
}

std::vector<CellRef> SpreadsheetModel::usedCells() const {
    std::set<CellRef> used;
    for (const auto& [cell, content] : cells_) used.insert(cell);
    for (const auto& [cell, line] : edgesAbove_) {
        used.insert(cell);
        if (cell.row > 1) used.insert({cell.row - 1, cell.column});
    }
    for (const auto& [cell, line] : edgesLeftOf_) {
        used.insert(cell);
        if (cell.column > 1) used.insert({cell.row, cell.column - 1});
    }
    return {used.begin(), used.end()};
}

}  // namespace marlo
