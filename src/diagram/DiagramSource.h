#pragma once

#include <optional>
#include <span>
#include <string>

#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "model/RodPattern.h"

namespace marlo {

// What the cutting diagram shows: a finished result of either method, with its job.
struct DiagramSource {
    JobHeader header;
    JobParameters parameters;
    std::span<const RodPattern> patterns;  // in the order of the result
    PlanSummary totals;
    std::optional<int> lowerBound;  // rods, when the method proved one
    std::string date;               // as the header shows it
    char decimalSeparator = '.';
};

// Today's date as year-month-day ("2026-12-08"), the same in every language.
std::string todaysDate();

}  // namespace marlo
