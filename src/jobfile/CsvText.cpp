#include "jobfile/CsvText.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "jobfile/Cp1250.h"
#include "jobfile/Utf16Text.h"
#include "jobfile/Utf8Text.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

constexpr char kCsvSeparator = ';';
constexpr char kGuard = '\'';

// A text a spreadsheet would run as a formula, or one that starts with the guard before such a
// text. A signed number is no formula.
bool needsGuard(std::string_view cell) {
    if (cell.empty()) return false;
    if (cell[0] == kGuard) return needsGuard(cell.substr(1));
    if (std::string_view("=@\t\r").find(cell[0]) != std::string_view::npos) return true;
    return (cell[0] == '+' || cell[0] == '-') && !parseNumericText(cell);
}

// A tab when any line has one; otherwise a semicolon or a comma, whichever more lines hold
// outside quotes (a semicolon on a tie), so that a decimal comma in a semicolon list, or a
// semicolon in a quoted note of a comma list, does not decide.
char separatorOf(std::string_view text) {
    if (text.find('\t') != std::string_view::npos) return '\t';
    size_t semicolonLines = 0;
    size_t commaLines = 0;
    bool quoted = false;
    bool semicolon = false;
    bool comma = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        semicolon = semicolon || c == ';';
        comma = comma || c == ',';
        if (c == '\n' || c == '\r') {
            semicolonLines += semicolon;
            commaLines += comma;
            semicolon = comma = false;
        }
    }
    semicolonLines += semicolon;
    commaLines += comma;
    return commaLines > semicolonLines ? ',' : ';';
}

// The cells of one line; a cell that starts with a quote runs to the closing quote, and two
// quotes inside it stand for one.
std::vector<std::string> cellsOf(std::string_view line, char separator) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                cells.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == separator) {
            cells.emplace_back();
        } else if (c == '"' && trimmedCell(cells.back()).empty()) {
            cells.back().clear();
            quoted = true;
        } else {
            cells.back() += c;
        }
    }
    while (!cells.empty() && trimmedCell(cells.back()).empty()) cells.pop_back();
    for (std::string& cell : cells) cell = unguardedCell(cell);
    return cells;
}

void appendCsvCell(std::string& out, std::string_view text) {
    const std::string cell = guardedCell(text);
    if (cell.find_first_of("\";\r\n") == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string tableFileText(std::string_view bytes) {
    if (std::optional<std::string> text = utf8FromUtf16(bytes)) return std::move(*text);
    if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        return withMalformedUtf8Replaced(bytes.substr(kUtf8ByteOrderMark.size()));
    return isValidUtf8(bytes) ? std::string(bytes) : cp1250ToUtf8(bytes);
}

std::string guardedCell(std::string_view cell) {
    return needsGuard(cell) ? kGuard + std::string(cell) : std::string(cell);
}

std::string unguardedCell(std::string_view cell) {
    const bool guarded = !cell.empty() && cell[0] == kGuard && needsGuard(cell.substr(1));
    return std::string(guarded ? cell.substr(1) : cell);
}

std::vector<CsvLine> csvLines(std::string_view text) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        text.remove_prefix(kUtf8ByteOrderMark.size());
    const char separator = separatorOf(text);

    std::vector<CsvLine> lines;
    int line = 0;
    while (!text.empty()) {
        ++line;
        const size_t end = text.find_first_of("\r\n");
        std::vector<std::string> cells = cellsOf(text.substr(0, end), separator);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
        if (text.substr(0, 2) == "\r\n") {
            text.remove_prefix(2);
        } else if (!text.empty()) {
            text.remove_prefix(1);
        }
        if (!cells.empty()) lines.push_back({line, std::move(cells)});
    }
    return lines;
}

std::string_view trimmedCell(std::string_view cell) {
    constexpr std::string_view blanks = " \t";
    const size_t first = cell.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return cell.substr(first, cell.find_last_not_of(blanks) - first + 1);
}

std::string decimalPointCell(std::string_view cell) {
    std::string text(trimmedCell(cell));
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

bool isAmbiguousNumber(std::string_view cell) {
    const size_t mark = cell.find_last_of(".,");
    if (mark == std::string_view::npos || mark == 0) return false;
    const std::string_view after = cell.substr(mark + 1);
    const bool digitBefore = cell[mark - 1] >= '0' && cell[mark - 1] <= '9';
    return digitBefore && after.size() == 3 &&
           std::all_of(after.begin(), after.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void appendCsvLine(std::string& out, const std::vector<std::string_view>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += kCsvSeparator;
        appendCsvCell(out, cells[i]);
    }
    out += "\r\n";
}

}  // namespace marlo
