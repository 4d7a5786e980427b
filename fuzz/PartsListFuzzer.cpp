// Feeds arbitrary bytes to the parts-list readers: as a workbook (XLSX and ODS, both zip
// containers) and as a text list, and the sheet that is read to the parts import.
//
// Invariants: a sheet stays within its bounds and its rows ascend; every part the import gives
// lies within the bounds of a part and has a material, and no row gives more than one part or
// refusal.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "model/ProductionJob.h"
#include "partslist/OdsSheet.h"
#include "partslist/PartsImport.h"
#include "partslist/TextSheet.h"
#include "partslist/XlsxSheet.h"

namespace {

using marlo::fuzz::require;

void checkSheet(const marlo::SheetRead& read) {
    if (read.fault != marlo::SheetFault::None) return;
    const marlo::SheetTable& table = read.table;
    require(static_cast<int64_t>(table.rows.size()) <= marlo::kMaxSheetRows, "rows within bounds");
    int previous = 0;
    for (const marlo::SheetRow& row : table.rows) {
        require(row.number > previous, "rows ascend");
        require(static_cast<int64_t>(row.cells.size()) <= marlo::kMaxSheetColumns,
                "columns within bounds");
        previous = row.number;
    }
    // The header and a material by default, so that lists with any columns get as far as rows.
    const marlo::PartsImport import =
        marlo::partsOfSheet(table, {"", "length=A,pieces=B", "material"});
    if (import.failure != 0) return;
    for (const marlo::Part& part : import.parts) {
        require(part.length >= 1 && part.length <= marlo::kMaxPartLength, "length within bounds");
        require(part.pieces >= 0 && part.pieces <= marlo::kMaxPartPieces, "pieces within bounds");
        require(std::fabs(part.startAngle) <= marlo::kMaxPartAngle &&
                    std::fabs(part.endAngle) <= marlo::kMaxPartAngle,
                "angles within bounds");
        require(!part.material.empty(), "every part has a material");
    }
    require(import.parts.size() + import.refused.size() <= table.rows.size(),
            "no more parts and refusals than rows");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.starts_with("PK")) {
        checkSheet(marlo::xlsxSheet(bytes, ""));
        checkSheet(marlo::odsSheet(bytes, ""));
    }
    checkSheet(marlo::textSheet(bytes));
    return 0;
}
