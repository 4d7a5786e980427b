#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/MethodChoice.h"
#include "optimiser/PlanResult.h"
#include "stock/StockUsage.h"

namespace marlo {

// What one command-line run produced, as its outputs show it.
struct RunOutcome {
    // Stopped: an exact method stopped before its end, with the best plan found so far.
    enum class Status { Finished, Stopped, Aborted, Nothing };

    Status status = Status::Nothing;
    std::vector<int> rejectedRows;  // 1-based list rows
    // The run's result as the method left it, with the parameters and method it was asked with
    // (the stored settings with the flags over them, so that a script sees what settings the
    // window left behind) also when no run took place. Its patterns are shown only when the run
    // finished or stopped; after an abort its totals are those of the last complete rod.
    PlanResult result;
    // Runs with --book: whether the plan was booked, and the offcuts the booking put in.
    std::optional<bool> booked;
    std::vector<StoredOffcut> newOffcuts;
    MethodChoice methodChoice;
    std::optional<std::string> stockFile;  // --stock
    std::optional<std::string> material;   // --material, with the store it is in
    std::string store;
};

// The JSON name of the status: "finished", "stopped", "aborted" or "nothing".
const char* statusName(RunOutcome::Status status);

// The one JSON object of --json.
std::string outcomeJson(const RunOutcome& outcome);

// Further fields of a pattern's JSON object (of the pattern at this index of the plan), each
// after a comma: ", \"marks\": […]".
using PatternJsonFields = std::function<std::string(int pattern)>;

// The parameters and the method the run used, named as the command line's flags, and the source
// of its stock (null: rods of the one rod length), as the JSON object's "parameters".
std::string parametersJson(const RunOutcome& outcome);

// The fields of that object without its braces, each pattern with its further fields.
std::string outcomeJsonFields(const RunOutcome& outcome,
                              const PatternJsonFields& patternFields = {});

// The result table and the five totals as readable text, with the catalogue's captions.
class StringCatalogue;
std::string outcomeTable(const RunOutcome& outcome, const StringCatalogue& catalogue);

}  // namespace marlo
