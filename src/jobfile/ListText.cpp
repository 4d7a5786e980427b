#include "jobfile/ListText.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "jobfile/AtomicFile.h"
#include "jobfile/CsvText.h"
#include "jobfile/RegularFile.h"
#include "model/ListRowCheck.h"
#include "model/NumericText.h"

namespace marlo {

namespace {

bool isNumber(const std::vector<std::string>& cells, size_t index) {
    return index < cells.size() && parseNumericText(decimalPointCell(cells[index])).has_value();
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
        if (std::exchange(headerPossible, false) && !isNumber(cells, 0) && !isNumber(cells, 1))
            continue;
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
