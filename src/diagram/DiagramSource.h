#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "diagram/AngledPattern.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "model/RodPattern.h"
#include "model/StockList.h"
#include "optimiser/PlanResult.h"

namespace marlo {

// What the cutting diagram shows: a finished result of either method, with its job.
struct DiagramSource {
    JobHeader header;
    JobParameters parameters;
    std::span<const RodPattern> patterns;  // in the order of the result
    PlanSummary totals;
    std::optional<int> lowerBound;  // rods, when the method proved one
    // A plan from a stock list: the list its patterns name, and the proven lower bound of the
    // price (`priceProven`: the price is proven lowest).
    StockList stock;
    std::optional<double> priceLowerBound;
    bool priceProven = false;
    // A production job's material the plan is of; empty for a *.opt job (whose plan from stock
    // names the stock's material).
    std::string material;
    // A material whose pieces have angled ends: how each pattern is cut, in the patterns' order;
    // empty when its pieces are square.
    std::vector<AngledPattern> angled;
    std::string date;  // as the header shows it
    char decimalSeparator = '.';
};

// Today's date as year-month-day ("2026-12-08"), the same in every language.
std::string todaysDate();

// The diagram of a finished plan result of this job, dated today. The source refers to the plan's
// patterns: the result must outlive it.
DiagramSource diagramSource(const JobHeader& header, const PlanResult& result,
                            char decimalSeparator);

}  // namespace marlo
