#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/Job.h"

namespace marlo {

// A cutting list as text: pasted from a spreadsheet or kept in a CSV file. Every line is a row
// of two cells, the dimension and the pieces, separated by tabs, semicolons or commas.

// Why a row of such a text was not taken into the list.
enum class RowRefusal {
    Dimension,        // not a number from 0 to 32767
    Pieces,           // not a number from 0 to 32767, or missing
    AmbiguousNumber,  // "1.250" or "1,250": a thousands separator or three decimals
    ExtraColumns,     // a third cell that is not empty
    ListFull,         // the list has no room for more rows
    LongerThanRod,    // the operator declined a dimension above the rod length
};

struct RefusedRow {
    int line = 0;  // 1-based line of the text
    RowRefusal reason = RowRefusal::Dimension;

    bool operator==(const RefusedRow&) const = default;
};

struct ListTextRow {
    int line = 0;
    CutItem item;
};

struct ListText {
    std::vector<ListTextRow> rows;
    std::vector<RefusedRow> refused;
};

// A list file is bounded like a job file, so that opening a huge file by mistake does not take
// the memory of the machine; 4 MiB is some hundred thousand rows.
inline constexpr std::size_t kMaxListFileBytes = 4 * 1024 * 1024;

// The rows of `text` (UTF-8, with or without a byte-order mark; lines end in LF, CR LF or CR).
// The separator is a tab when the text has one, else a semicolon or a comma, whichever more
// lines hold outside quoted cells.
// Cells may be quoted as in CSV. A decimal comma is read as a point, except with the comma as
// the separator, where only a quoted cell can hold one. Blank lines are skipped, and so is the
// first non-blank line when it holds no digit: a header. Every other line is a
// row checked like a typed one; the cells are kept without surrounding blanks and with a decimal
// point. At most `room` rows are taken; the rest are refused as ListFull.
ListText parseListText(std::string_view text, std::size_t room);

// The CSV text of the list: UTF-8 with a byte-order mark (so that spreadsheets do not guess the
// code page), a header line, then one "dimension;pieces" line per row, each ending in CR LF.
std::string listCsv(const CuttingList& list, std::string_view dimensionHeader,
                    std::string_view piecesHeader);

enum class ListFileStatus { Read, CannotRead, NotAListFile };

struct ListFileRead {
    ListFileStatus status = ListFileStatus::CannotRead;
    ListText list;
};

// The file's text is read as tableFileText reads it.
// NotAListFile for anything that is not a regular file or is over kMaxListFileBytes, refused
// without waiting for it or reading it whole.
ListFileRead readListFile(const std::filesystem::path& path, std::size_t room);

// Writes listCsv without ever destroying the previous file on failure.
bool writeListFile(const std::filesystem::path& path, const CuttingList& list,
                   std::string_view dimensionHeader, std::string_view piecesHeader);

}  // namespace marlo
