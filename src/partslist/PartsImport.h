#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/Part.h"
#include "partslist/SheetTable.h"

namespace marlo {

// Reading the office's parts lists (CSV, TSV, XLSX, ODS, XLS) into the parts of a production job.
//
// The first row with text is the header: its cells name the columns in any of the five languages
// (see columnOfHeader); a column mapping names or supplies them. The length and pieces columns
// are required, the material column too unless a default material is given. Every later row with
// text is a part, or a refused row with its reason. A part without a mark keeps an empty mark:
// many lists leave the marks of loose parts empty, and the row's place in the list still tells
// them apart. Line breaks and other control characters in texts become blanks.

struct PartsImportOptions {
    // The sheet of a workbook: its name or its 1-based number; empty for the first sheet.
    std::string sheet;
    // Columns named by key, as the command line takes them:
    // "mark=A,material=C,length=D,pieces=E,order=B,note=F,angle1=G,angle2=H"; each column is given
    // by its letters or by the text of its header cell. Overrides what the header says.
    std::string columns;
    // The material of parts whose list has no material column or leaves a material cell empty.
    std::string defaultMaterial;
};

// One row that was refused or read with a warning.
struct RowProblem {
    int row = 0;       // 1-based, as the spreadsheet shows it
    int reason = 0;    // catalogue offset of the reason (parts_text::k…)
    std::string cell;  // the cell's text, shortened for a message; empty when the cell was empty

    bool operator==(const RowProblem&) const = default;
};

struct PartsImport {
    // 0 when the list was read; otherwise the catalogue offset of why it could not be read at
    // all (msg::kCannotReadFile or parts_text::k…), and what the message names after it: the
    // file, the sheet or the entry of the column mapping.
    int failure = 0;
    std::string failureDetail;
    std::vector<Part> parts;
    std::vector<RowProblem> refused;   // rows that gave no part
    std::vector<RowProblem> warnings;  // rows that gave a part that differs from the cells
};

// The parts of the file's chosen sheet. Nothing is written anywhere.
PartsImport importParts(const std::filesystem::path& path, const PartsImportOptions& options);

// The parts of the sheet read from `path` as importParts gives them, for a caller that looked at
// the sheet first (its names, its header); a sheet that could not be read names `path`, or the
// chosen sheet when it is missing.
PartsImport partsOfSheetRead(const SheetRead& sheet, const std::filesystem::path& path,
                             const PartsImportOptions& options);

// The parts of a sheet already read (a file's, or a pasted text's through textSheet).
PartsImport partsOfSheet(const SheetTable& table, const PartsImportOptions& options);

}  // namespace marlo
