#include "jobfile/ListText.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "jobfile/AtomicFile.h"
#include "jobfile/CsvText.h"
#include "jobfile/RegularFile.h"
#include "model/ListRowCheck.h"

namespace marlo {

namespace {

// A header names its columns: a line with a digit anywhere is a row, to be taken or refused,
// never dropped unseen.
bool holdsDigit(const std::vector<std::string>& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const std::string& cell) {
        return cell.find_first_of("0123456789") != std::string::npos;
    });
}

std::optional<RowRefusal> refusalOf(const std::vector<std::string>& cells, const CutItem& item) {
    if (cells.size() > 2) return RowRefusal::ExtraColumns;
    if (isAmbiguousNumber(item.dimension)) return RowRefusal::AmbiguousNumber;
    if (isAmbiguousNumber(item.pieces)) return RowRefusal::AmbiguousNumber;
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

}  // namespace

ListText parseListText(std::string_view text, std::size_t room) {
    ListText result;
    bool headerPossible = true;
    for (const CsvLine& line : csvLines(text)) {
        const std::vector<std::string>& cells = line.cells;
        if (std::exchange(headerPossible, false) && !holdsDigit(cells)) continue;
        const CutItem item{decimalPointCell(cells[0]),
                           cells.size() > 1 ? decimalPointCell(cells[1]) : ""};
        if (const std::optional<RowRefusal> refusal = refusalOf(cells, item)) {
            result.refused.push_back({line.line, *refusal});
        } else if (result.rows.size() >= room) {
            result.refused.push_back({line.line, RowRefusal::ListFull});
        } else {
            result.rows.push_back({line.line, item});
        }
    }
    return result;
}

std::string listCsv(const CuttingList& list, std::string_view dimensionHeader,
                    std::string_view piecesHeader) {
    std::string out(kUtf8ByteOrderMark);
    appendCsvLine(out, {dimensionHeader, piecesHeader});
    for (const CutItem& item : list) appendCsvLine(out, {item.dimension, item.pieces});
    return out;
}

ListFileRead readListFile(const std::filesystem::path& path, std::size_t room) {
    const FileBytes file = readRegularFile(path, kMaxListFileBytes);
    switch (file.status) {
        case FileReadStatus::Read:
            return {ListFileStatus::Read, parseListText(tableFileText(file.bytes), room)};
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
