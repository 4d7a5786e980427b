#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Part.h"
#include "model/ProductionJob.h"
#include "partslist/ColumnMapping.h"
#include "partslist/PartsImport.h"
#include "partslist/SheetTable.h"

namespace marlo {

struct PartRowRead {
    std::optional<Part> part;          // unless the row was refused
    RowProblem refusal;                // why, when it was
    std::vector<RowProblem> warnings;  // what differs in a part from its cells
};

struct PartRowRules {
    ColumnPlaces places;
    std::string defaultMaterial;
    bool typedNumbers = false;  // see SheetTable
};

// The part of one row of a parts list, or why the row is refused: the first cell that fails,
// in the order length, pieces, material, angles. A length with decimals is rounded to whole mm
// (halves away from zero) with a warning.
PartRowRead readPartRow(const SheetRow& row, const PartRowRules& rules);

}  // namespace marlo
