#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "optimiser/CuttingPlan.h"
#include "optimiser/fewest/StockCutting.h"
#include "stock/StockUsage.h"

namespace marlo {

// What one command-line run produced, as its outputs show it.
struct RunOutcome {
    // Stopped: an exact method stopped before its end, with the best plan found so far.
    enum class Status { Finished, Stopped, Aborted, Nothing };

    Status status = Status::Nothing;
    std::vector<int> rejectedRows;           // 1-based list rows
    const PatternTable* patterns = nullptr;  // only when finished or stopped
    PlanSummary totals;
    std::optional<double> efficiency;
    OptimisationMethod method = OptimisationMethod::Search;
    std::optional<int> lowerBound;  // rods every plan needs, when the run figured it
    bool optimal = false;  // the plan is proven to use the fewest rods (from stock: lowest price)
    // Runs from a stock list: the list (each pattern names its row), the price with its proven
    // lower bound, and the pieces the stock could not hold.
    const StockList* stock = nullptr;
    std::optional<double> price;
    std::optional<double> priceLowerBound;
    std::vector<UncutDimension> uncut;
    int64_t missingLength = 0;
    // Runs with --book: whether the plan was booked, and the offcuts the booking put in.
    std::optional<bool> booked;
    std::vector<StoredOffcut> newOffcuts;
    // What the run used, the stored settings with the flags over them, so that a script sees
    // what settings the window left behind.
    JobParameters parameters;
    MethodChoice methodChoice;
    std::optional<std::string> stockFile;  // --stock
    std::optional<std::string> material;   // --material, with the store it is in
    std::string store;
};

// The one JSON object of --json.
std::string outcomeJson(const RunOutcome& outcome);

// The result table and the five totals as readable text, with the catalogue's captions.
class StringCatalogue;
std::string outcomeTable(const RunOutcome& outcome, const StringCatalogue& catalogue);

}  // namespace marlo
