#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marlo {

// Tables kept as text: pasted from a spreadsheet or kept in CSV files (cutting lists, stock lists).

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One non-blank line of a table text, split into cells.
struct CsvLine {
    int line = 0;  // 1-based line of the text
    std::vector<std::string> cells;
};

// The non-blank lines of `text` (UTF-8, with or without a byte-order mark; lines end in LF, CR LF
// or CR). The separator is a tab when the text has one, else a semicolon or a comma, whichever
// more lines hold outside quoted cells. Cells may be quoted as in CSV; trailing empty cells are
// dropped.
std::vector<CsvLine> csvLines(std::string_view text);

// The cell as a number cell is kept: without surrounding blanks, with a decimal point for a comma.
std::string decimalPointCell(std::string_view cell);

// "1.250" and "1,250" are one and a quarter in some spreadsheets and twelve hundred and fifty in
// others; rather than guess, such a cell is refused by the readers.
bool isAmbiguousNumber(std::string_view cell);

// Appends one CSV line: the cells separated by semicolons, quoted where needed, ending in CR LF.
void appendCsvLine(std::string& out, const std::vector<std::string_view>& cells);

}  // namespace marlo
