#pragma once

#include "i18n/StringCatalogue.h"
#include "reports/SpreadsheetModel.h"
#include "reports/TextReport.h"

namespace marlo {

// The result as a worksheet: the version, the job's header texts, the result table, the totals
// and the ordered dimensions, captions in the catalogue's language.
SpreadsheetModel composeSpreadsheet(const ReportData& data, const StringCatalogue& catalogue);

}  // namespace marlo
