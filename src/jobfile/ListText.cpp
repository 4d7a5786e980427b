#include "jobfile/ListText.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "jobfile/AtomicFile.h"
#include "jobfile/RegularFile.h"
#include "jobfile/Utf16Text.h"
#include "model/ListRowCheck.h"

namespace marlo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kCsvSeparator = ';';

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
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
        } else if (c == '"' && trimmed(cells.back()).empty()) {
            cells.back().clear();
            quoted = true;
        } else {
            cells.back() += c;
        }
    }
    while (!cells.empty() && trimmed(cells.back()).empty()) cells.pop_back();
    return cells;
}

// "1.250" and "1,250" are one and a quarter in some spreadsheets and twelve hundred and fifty
// in others; rather than guess, such a cell is refused.
bool isAmbiguous(std::string_view cell) {
    const size_t mark = cell.find_last_of(".,");
    if (mark == std::string_view::npos || mark == 0) return false;
    const std::string_view after = cell.substr(mark + 1);
    const bool digitBefore = cell[mark - 1] >= '0' && cell[mark - 1] <= '9';
    return digitBefore && after.size() == 3 &&
           std::all_of(after.begin(), after.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The cell as the list keeps it: trimmed, with a decimal point.
std::string listCell(std::string_view cell) {
    std::string text(trimmed(cell));
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// A header names its columns: a line with a digit anywhere is a row, to be taken or refused,
// never dropped unseen.
bool holdsDigit(const std::vector<std::string>& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const std::string& cell) {
        return cell.find_first_of("0123456789") != std::string::npos;
    });
}

std::optional<RowRefusal> refusalOf(const std::vector<std::string>& cells, const CutItem& item) {
    if (cells.size() > 2) return RowRefusal::ExtraColumns;
    if (isAmbiguous(item.dimension)) return RowRefusal::AmbiguousNumber;
    if (isAmbiguous(item.pieces)) return RowRefusal::AmbiguousNumber;
    switch (checkListRow(item)) {
        case RowFault::Dimension:
            return RowRefusal::Dimension;
        case RowFault::Pieces:
            return RowRefusal::Pieces;
        case RowFault::None:
            break;
    }
    return std::nullopt;
}

void appendCsvCell(std::string& out, std::string_view cell) {
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

void appendCsvLine(std::string& out, std::string_view first, std::string_view second) {
    appendCsvCell(out, first);
    out += kCsvSeparator;
    appendCsvCell(out, second);
    out += "\r\n";
}

}  // namespace

ListText parseListText(std::string_view text, std::size_t room) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    const char separator = separatorOf(text);

    ListText result;
    bool headerPossible = true;
    int line = 0;
    while (!text.empty()) {
        ++line;
        const size_t end = text.find_first_of("\r\n");
        const std::vector<std::string> cells = cellsOf(text.substr(0, end), separator);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
        if (text.substr(0, 2) == "\r\n") {
            text.remove_prefix(2);
        } else if (!text.empty()) {
            text.remove_prefix(1);
        }

        if (cells.empty()) continue;
        if (std::exchange(headerPossible, false) && !holdsDigit(cells)) continue;
        const CutItem item{listCell(cells[0]), cells.size() > 1 ? listCell(cells[1]) : ""};
        if (const std::optional<RowRefusal> refusal = refusalOf(cells, item)) {
            result.refused.push_back({line, *refusal});
        } else if (result.rows.size() >= room) {
            result.refused.push_back({line, RowRefusal::ListFull});
        } else {
            result.rows.push_back({line, item});
        }
    }
    return result;
}

std::string listCsv(const CuttingList& list, std::string_view dimensionHeader,
                    std::string_view piecesHeader) {
    std::string out(kByteOrderMark);
    appendCsvLine(out, dimensionHeader, piecesHeader);
    for (const CutItem& item : list) appendCsvLine(out, item.dimension, item.pieces);
    return out;
}

ListFileRead readListFile(const std::filesystem::path& path, std::size_t room) {
    const FileBytes file = readRegularFile(path, kMaxListFileBytes);
    switch (file.status) {
        case FileReadStatus::Read:
            // Spreadsheets save "Unicode text" as UTF-16 with a byte-order mark.
            if (const std::optional<std::string> text = utf8FromUtf16(file.bytes))
                return {ListFileStatus::Read, parseListText(*text, room)};
            return {ListFileStatus::Read, parseListText(file.bytes, room)};
        case FileReadStatus::CannotRead:
            return {ListFileStatus::CannotRead, {}};
        case FileReadStatus::NotRegular:
        case FileReadStatus::TooLarge:
            break;
    }
    return {ListFileStatus::NotAListFile, {}};
}

bool writeListFile(const std::filesystem::path& path, const CuttingList& list,
                   std::string_view dimensionHeader, std::string_view piecesHeader) {
    return writeFileAtomically(path, listCsv(list, dimensionHeader, piecesHeader));
}

}  // namespace marlo
