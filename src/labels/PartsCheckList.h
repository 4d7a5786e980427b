#pragma once

#include <optional>
#include <string>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "labels/PagedDocument.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// Where one piece of a part is cut: the pattern's number in its material's plan and the rod of
// that pattern (from 1).
struct PiecePlace {
    int pattern = 0;
    int rod = 0;

    bool operator==(const PiecePlace&) const = default;
};

// One part of a production job as the office ticks it off: where each of its pieces is cut, in
// the saw's order, and how many are in no plan.
struct PartCheck {
    int part = 0;  // index into the job's parts
    std::vector<PiecePlace> cut;
    int notCut = 0;
};

// Every part of the job in the job's order, each piece either at its place in the plan or not
// cut.
std::vector<PartCheck> partsCheckList(const ProductionJob& job, const ProductionPlan& plan);

// Where a piece is cut as the check list shows it: "P2 rod 3", or "not cut" for none.
std::string piecePlaceText(const PiecePlace* place, const StringCatalogue& catalogue);

// The check list as CSV for a spreadsheet: UTF-8 with a byte-order mark, fields separated by
// ';', lines ended by CR LF, a caption row in the catalogue's language (No., Mark, Material,
// Length, Pieces, Order, Piece, Cut from), then a line per piece of every part; texts guarded as
// in every CSV file the program writes.
std::string partsCheckListCsv(const ProductionJob& job, const ProductionPlan& plan,
                              const StringCatalogue& catalogue);

// The check list as numbered A4 pages: the job's header, then every part with its number, mark,
// material, length, pieces, order and how many are cut, and below it a tick box per piece with
// where it is cut.
PagedDocument composePartsCheckList(const ProductionJob& job, const ProductionPlan& plan,
                                    const std::string& date, const StringCatalogue& catalogue);

// The check list's file type, by the extension of its name (any case).
enum class PartsListFormat { Csv, Pdf };
std::optional<PartsListFormat> partsListFormat(const std::string& path);

}  // namespace marlo
