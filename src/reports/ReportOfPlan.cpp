#include "reports/ReportOfPlan.h"

#include "optimiser/StockTotals.h"
#include "reports/ReportSummary.h"

namespace marlo {

std::optional<ReportData> reportOfPlan(const Job& job, const PlanResult& result,
                                       std::vector<int>* tooLongRows) {
    const CuttingPlan& plan = result.plan;
    const std::optional<ReportSummary> summary =
        orderForReport(job.list, longestUsableLength(result.parameters, plan.stock), tooLongRows);
    if (!summary) return std::nullopt;
    ReportData data{job.header, &plan.patterns, plan.summary, result.parameters, *summary};
    data.lowerBound = result.shownLowerBound();
    data.optimal = result.optimal;
    data.stock = plan.stock;
    data.priceLowerBound = result.priceLowerBound;
    return data;
}

}  // namespace marlo
