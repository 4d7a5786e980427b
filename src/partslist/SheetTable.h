#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace marlo {

// A sheet of a parts list as the readers leave it: the texts of its cells, numbers written as
// their value with a decimal point ("1234", "1234.5"), formulas as the value they last had.

// Bounds of what a sheet may hold, so that a hostile or mistaken file is refused in bounded time
// and memory instead of being expanded: rows and columns as a parts list could need them, and
// the cells and text that such a sheet holds with room to spare.
inline constexpr int64_t kMaxSheetRows = 100'000;
inline constexpr int64_t kMaxSheetColumns = 256;
inline constexpr std::size_t kMaxSheetCells = 4'000'000;
inline constexpr std::size_t kMaxSheetTextBytes = 64 * 1024 * 1024;

// The 1-based column of a spreadsheet's column letters ("A", "d", "AB"), up to the last column a
// sheet may hold; nothing for anything else.
std::optional<int> columnOfLetters(std::string_view letters);
// The letters of a 1-based column ("A" for 1, "AB" for 28), as a spreadsheet heads it.
std::string lettersOfColumn(int column);

// One row that holds at least one cell with text.
struct SheetRow {
    int number = 0;                  // 1-based, as the spreadsheet shows it
    std::vector<std::string> cells;  // column A first, up to the last cell with text

    bool operator==(const SheetRow&) const = default;
};

struct SheetTable {
    std::vector<SheetRow> rows;  // ascending numbers; rows without text are left out
    // Numbers are written as people type them (a text file): "1,5" is one and a half, and
    // "1.250" could be read two ways. A workbook's number cells are never ambiguous.
    bool typedNumbers = false;
};

// Why a sheet could not be read.
enum class SheetFault {
    None,
    CannotRead,     // missing or unreadable
    UnknownType,    // not a file type parts lists are read from
    Damaged,        // not what its type promises, or broken
    Encrypted,      // protected by a password
    TooLarge,       // beyond the bounds above, or a file or an unpacked part over its size
    SheetNotFound,  // the workbook has no sheet of the chosen name or number
};

struct SheetRead {
    SheetRead(SheetFault fault = SheetFault::None, SheetTable table = {})
        : fault(fault), table(std::move(table)) {}

    SheetFault fault;
    SheetTable table;
    // The names of the workbook's sheets in their order, once the reader got as far as them (a
    // text file's one sheet is named as the file), so that a window can offer the others.
    std::vector<std::string> sheetNames;
};

// Collects the cells of a sheet within the bounds above. The readers put cells in the order of
// their files: rows ascending, columns ascending within a row. A cell outside the bounds, or
// more cells or text than the bounds hold, makes the table too large; every later put is
// refused too, so that a reader may stop at the first refusal.
class SheetTableBuilder {
  public:
    // `row` and `column` are 1-based. Empty texts are not kept. False once the table is too
    // large.
    bool put(int64_t row, int64_t column, std::string text);
    // Puts the cells of the last row again in the following rows, up to row `lastRow`.
    bool repeatLastRow(int64_t lastRow);
    // Makes the table too large at once, for a cell that is beyond the bounds before it is put.
    bool refuse();
    std::size_t rowCount() const { return table_.rows.size(); }
    // The table, unless it became too large.
    SheetRead finish();

  private:
    SheetTable table_;
    std::size_t cells_ = 0;
    std::size_t textBytes_ = 0;
    bool tooLarge_ = false;
};

}  // namespace marlo
