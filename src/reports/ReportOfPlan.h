#pragma once

#include <optional>
#include <vector>

#include "model/Job.h"
#include "optimiser/PlanResult.h"
#include "reports/TextReport.h"

namespace marlo {

// What the text report, the printout and the workbook show of a plan result for its job: the
// cutting list ordered for the report beside the plan's patterns, totals, parameters and bounds.
// Nothing when the list has more distinct dimensions than a report holds. The rows whose
// dimension no rod of the plan holds are added to `tooLongRows` when given. The data refers to
// the result's patterns: the result must outlive it.
std::optional<ReportData> reportOfPlan(const Job& job, const PlanResult& result,
                                       std::vector<int>* tooLongRows = nullptr);

}  // namespace marlo
