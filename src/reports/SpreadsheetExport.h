#pragma once

#include <optional>

#include "i18n/StringCatalogue.h"
#include "model/Job.h"
#include "reports/SpreadsheetModel.h"
#include "reports/TextReport.h"

namespace marlo {

// The result as a worksheet: the version, the job's header texts, the result table, the totals
// and the ordered dimensions, captions in the catalogue's language.
SpreadsheetModel composeSpreadsheet(const ReportData& data, const StringCatalogue& catalogue);

// A sheet, or the catalogue offset of the message that tells why none was made.
struct SpreadsheetOutcome {
    std::optional<SpreadsheetModel> sheet;
    int failureMessage = 0;
};

// Orders the cutting list for the report, as every report does first, and composes the sheet
// of the result in `data`. Fails with msg::kTooManyDimensions when the list has more distinct
// dimensions than a report holds.
SpreadsheetOutcome exportToSpreadsheet(const CuttingList& list, ReportData data,
                                       const StringCatalogue& catalogue);

}  // namespace marlo
