#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/JobParameters.h"
#include "model/PlanSummary.h"
#include "model/RodPattern.h"
#include "model/StockList.h"

namespace marlo {

// The totals of a plan cut from a stock list, beyond the five of every plan.
struct StockTotals {
    double price = 0.0;
    int64_t material = 0;            // mm of stock the rods take, trim included
    std::vector<int16_t> leftovers;  // the remnant of every rod that leaves one, mm, in plan order
};

StockTotals stockTotals(std::span<const RodPattern> patterns, const StockList& stock);

// The patterns of a table, for the functions here.
inline std::span<const RodPattern> patternsOf(const PatternTable& table) {
    return {table.begin(), table.end()};
}

// The rod lengths a plan from a stock list cuts, longest first, as "6500/6000/3000"; empty for a
// single-length plan.
std::string stockLengthsText(std::span<const RodPattern> patterns, const StockList& stock);

// The stock row a pattern is cut from, when it names one.
const StockItem* stockOf(const RodPattern& pattern, const StockList& stock);

// The usable length of the longest rod a run may cut (its length less the trim at both ends):
// of the parameters' rod, or of the longest stock row with rods. Pieces must be shorter.
int16_t longestUsableLength(const JobParameters& parameters, const StockList& stock);

// Efficiency in percent of a plan: 1 - (waste and trim) / material; none while no rod is cut.
// A single-length plan without trim gives exactly `efficiency(totals, rodLength)`.
std::optional<double> planEfficiency(const PlanSummary& totals, const JobParameters& parameters,
                                     std::span<const RodPattern> patterns, const StockList& stock);

}  // namespace marlo
