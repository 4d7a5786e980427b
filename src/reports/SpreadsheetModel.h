#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace marlo {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    auto operator<=>(const Rgb&) const = default;
};

enum class HorizontalAlignment { General, Left, Centre, Right };
enum class VerticalAlignment { Top, Centre, Bottom };
// Continuous lines of three weights, all drawn in the automatic (black) colour.
enum class BorderLine { None, Hairline, Thin, Medium };

// Everything a cell shows besides its value. The defaults are those of a new workbook.
struct CellStyle {
    std::string fontName = "Calibri";
    double fontSize = 11;
    bool bold = false;
    std::optional<Rgb> fontColour;  // automatic when empty
    HorizontalAlignment horizontal = HorizontalAlignment::General;
    VerticalAlignment vertical = VerticalAlignment::Bottom;
    bool wrapText = false;
    std::optional<Rgb> fill;   // a solid fill
    std::string numberFormat;  // "General" when empty
    BorderLine left = BorderLine::None;
    BorderLine top = BorderLine::None;
    BorderLine right = BorderLine::None;
    BorderLine bottom = BorderLine::None;

    auto operator<=>(const CellStyle&) const = default;
};

// Nothing, a number or a UTF-8 text.
using CellValue = std::variant<std::monostate, double, std::string>;

// A cell by 1-based row and column (column A is 1).
struct CellRef {
    int row = 1;
    int column = 1;

    auto operator<=>(const CellRef&) const = default;
};

// The rectangle from `first` (top left) to `last` (bottom right), both included.
struct CellRange {
    CellRef first;
    CellRef last;

    CellRange(CellRef only) : first(only), last(only) {}  // NOLINT: a cell is a range
    CellRange(CellRef topLeft, CellRef bottomRight) : first(topLeft), last(bottomRight) {}

    bool empty() const { return last.row < first.row || last.column < first.column; }
    bool operator==(const CellRange&) const = default;
};

// The lines of one drawing on a range: the four outer edges and the edges between its cells.
// An edge left empty keeps what it had.
struct RangeBorders {
    std::optional<BorderLine> left;
    std::optional<BorderLine> top;
    std::optional<BorderLine> right;
    std::optional<BorderLine> bottom;
    std::optional<BorderLine> insideVertical;
    std::optional<BorderLine> insideHorizontal;

    // The outline in one line, no lines inside.
    static RangeBorders box(BorderLine outline);
};

// A worksheet kept in memory: values and styles of cells, merged ranges, column widths, row
// heights, gridlines and the selection. Range operations change only what they name, so they
// can be applied one after another as on a live sheet. Neighbouring cells share their edges:
// a line drawn later replaces an earlier one on the same edge.
class SpreadsheetModel {
  public:
    void setText(CellRef cell, std::string text);
    void setNumber(CellRef cell, double value);
    const CellValue& value(CellRef cell) const;

    void setFont(const CellRange& range, const std::string& name, double size);
    void setBold(const CellRange& range, bool bold);
    void setFontColour(const CellRange& range, Rgb colour);
    void setHorizontalAlignment(const CellRange& range, HorizontalAlignment alignment);
    void setVerticalAlignment(const CellRange& range, VerticalAlignment alignment);
    void setWrapText(const CellRange& range, bool wrap);
    void setFill(const CellRange& range, Rgb colour);
    void setNumberFormat(const CellRange& range, const std::string& format);
    void drawBorders(const CellRange& range, const RangeBorders& borders);
    // Joins the range into one cell that shows the first value found in it (by rows), placed
    // in its top left cell; the other cells are emptied.
    void merge(const CellRange& range);

    void setColumnWidth(int firstColumn, int lastColumn, double characters);
    void setRowHeight(int row, double points);
    void setGridlines(bool shown) { gridlines_ = shown; }
    void select(CellRef cell) { selection_ = cell; }

    // The cell's style with the lines of its four edges.
    CellStyle style(CellRef cell) const;
    // Every cell that has a value, a style of its own or a line on an edge, by rows.
    std::vector<CellRef> usedCells() const;
    const std::vector<CellRange>& merges() const { return merges_; }
    const std::map<int, double>& columnWidths() const { return columnWidths_; }
    const std::map<int, double>& rowHeights() const { return rowHeights_; }
    bool gridlines() const { return gridlines_; }
    CellRef selection() const { return selection_; }

  private:
    struct Cell {
        CellValue value;
        CellStyle style;  // its edges are kept apart, shared with the neighbours
    };

    template <typename Change>
    void changeStyles(const CellRange& range, Change change);
    void setEdge(std::map<CellRef, BorderLine>& edges, CellRef cell,
                 std::optional<BorderLine> line);
    static BorderLine edge(const std::map<CellRef, BorderLine>& edges, CellRef cell);

    std::map<CellRef, Cell> cells_;
    std::map<CellRef, BorderLine> edgesAbove_;   // the top edge of each cell
    std::map<CellRef, BorderLine> edgesLeftOf_;  // the left edge of each cell
    std::vector<CellRange> merges_;
    std::map<int, double> columnWidths_;
    std::map<int, double> rowHeights_;
    bool gridlines_ = true;
    CellRef selection_;
};

}  // namespace marlo
