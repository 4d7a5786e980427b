#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/RunOutcome.h"
#include "model/MethodChoice.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"
#include "stock/StockUsage.h"

namespace marlo {

class StringCatalogue;

// What a production job's run produced, as its outputs show it: the plan of every material, the
// settings the run was asked with and the store the stock came from.
struct ProductionOutcome {
    const ProductionJob& job;
    const ProductionPlan& plan;
    RunOutcome::Status status = RunOutcome::Status::Nothing;
    // The parameters under every material's own settings, the method choice and the store, as
    // a single run's outcome holds them (its result's parameters).
    RunOutcome settings;
    // Runs with --book: whether the job was booked, and per material the offcuts put in.
    std::optional<bool> booked;
    std::vector<std::vector<StoredOffcut>> newOffcuts;
};

// One material's plan as a single run's outcome: its status, the parts of the rows it could not
// cut (1-based numbers of the job's parts), its result and where its stock came from.
RunOutcome materialOutcome(const ProductionOutcome& outcome, size_t material);

// The one JSON object of --json: the job's status, price and proof, every material's run as a
// single run's JSON gives it with its name and the marks of every pattern, and the settings.
std::string productionJson(const ProductionOutcome& outcome);

// Every material's result table under its name, then the job's price and proof.
std::string productionTable(const ProductionOutcome& outcome, const StringCatalogue& catalogue);

}  // namespace marlo
