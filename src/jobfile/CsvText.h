#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marlo {

// Tables kept as text: pasted from a spreadsheet or kept in CSV files (cutting lists, stock lists).

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The text of a table file's bytes, as UTF-8 without a byte-order mark: UTF-16 with a byte-order
// mark (spreadsheets' "Unicode text"), UTF-8 with a byte-order mark (a malformed byte reads as
// U+FFFD) or without one, and anything else as Windows-1250, the code page of older workshop files.
std::string tableFileText(std::string_view bytes);

// A spreadsheet runs a cell that starts with '=', '+', '-', '@', a tab or a carriage return as a
// formula. Such a text is written with an apostrophe before it, as spreadsheets themselves keep
// text; so is a text that would otherwise read back as one so guarded. A number stays as it is.
std::string guardedCell(std::string_view cell);
// The text a guarded cell was written from; any other cell as it is.
std::string unguardedCell(std::string_view cell);

// One non-blank line of a table text, split into cells.
struct CsvLine {
    int line = 0;  // 1-based line of the text
    std::vector<std::string> cells;
};

// The non-blank lines of `text` (UTF-8, with or without a byte-order mark; lines end in LF, CR LF
// or CR). The separator is a tab when the text has one, else a semicolon or a comma, whichever
// more lines hold outside quoted cells. Cells may be quoted as in CSV and guarded as
// guardedCell writes them; trailing empty cells are dropped.
std::vector<CsvLine> csvLines(std::string_view text);

// The cell without surrounding blanks.
std::string_view trimmedCell(std::string_view cell);

// The cell as a number cell is kept: without surrounding blanks, with a decimal point for a comma.
std::string decimalPointCell(std::string_view cell);

// "1.250" and "1,250" are one and a quarter in some spreadsheets and twelve hundred and fifty in
// others; rather than guess, such a cell is refused by the readers.
bool isAmbiguousNumber(std::string_view cell);

// Appends one CSV line: the cells separated by semicolons, guarded and quoted where needed, ending
// in CR LF.
void appendCsvLine(std::string& out, const std::vector<std::string_view>& cells);

}  // namespace marlo
