#include "diagram/DiagramSource.h"

#include <cstdio>
#include <ctime>

namespace marlo {

std::string todaysDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    return text;
}

DiagramSource diagramSource(const JobHeader& header, const PlanResult& result,
                            char decimalSeparator) {
    const CuttingPlan& plan = result.plan;
    DiagramSource source;
    source.header = header;
    source.parameters = result.parameters;
    source.patterns = {plan.patterns.begin(), plan.patterns.end()};
    source.totals = plan.summary;
    source.lowerBound = result.shownLowerBound();
    source.stock = plan.stock;
    source.priceLowerBound = result.priceLowerBound;
    source.priceProven = result.optimal;
    source.date = todaysDate();
    source.decimalSeparator = decimalSeparator;
    return source;
}

}  // namespace marlo
