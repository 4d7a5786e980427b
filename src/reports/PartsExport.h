#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "i18n/StringCatalogue.h"
#include "model/ProductionJob.h"
#include "reports/SpreadsheetModel.h"

namespace marlo {

// The parts of a production job as the office's parts list: a header row with the captions Mark,
// Material, Length, Pieces, Order, Note, Angle 1 and Angle 2 in the catalogue's language (those
// the parts-list import recognises), then one row per part in the job's order. Lengths, pieces
// and angles are numbers; the texts stay as they are.

// The CSV text: UTF-8 with a byte-order mark (so that spreadsheets do not guess the code page),
// fields separated by ';' and quoted or guarded against formulas as in every CSV file the program
// writes, lines ending in CR LF. A line break in a text is written as a blank: the CSV readers,
// the parts-list import's among them, end a row at every line break.
std::string partsCsv(const ProductionJob& job, const StringCatalogue& catalogue);

// The worksheet of the XLSX file: the header row bold, each column as wide as its texts need.
SpreadsheetModel partsSheet(const ProductionJob& job, const StringCatalogue& catalogue);

enum class PartsFileType { Csv, Xlsx };

// The type a file name asks for by its extension (.csv, .xlsx, in any case), if either.
std::optional<PartsFileType> partsFileType(const std::filesystem::path& path);

// Writes the parts list of that type, replacing the file only once it is complete. False when the
// file cannot be written.
bool writePartsFile(const std::filesystem::path& path, PartsFileType type, const ProductionJob& job,
                    const StringCatalogue& catalogue);

}  // namespace marlo
