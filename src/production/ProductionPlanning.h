#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/ProductionJob.h"
#include "model/StockList.h"
#include "optimiser/InputPreparation.h"
#include "optimiser/PlanResult.h"
#include "production/MaterialParts.h"
#include "production/PartsOfPieces.h"

namespace marlo {

// The plan of one material of a production job.
struct MaterialPlan {
    // Planned: every part that can be cut is in the plan. Stopped: the run was stopped and the
    // plan is the best found so far. NoPlan: nothing can be cut (`message` says why, and for a
    // stock too small the result names the pieces it could not hold).
    enum class Status { Planned, Stopped, NoPlan };

    MaterialParts parts;
    Status status = Status::NoPlan;
    int message = 0;  // catalogue offset of why there is no plan
    PlanResult result;
    std::vector<PatternParts> pieceParts;  // the part of every cut piece (partsOfPieces)
    // Rows of `parts.list` (one per length) that cannot be cut, with the reason: their parts are
    // in no plan.
    std::vector<RejectedRow> rejectedRows;

    bool hasPlan() const { return status != Status::NoPlan; }
};

// The plans of every material of a job, in the order the parts first name the materials.
struct ProductionPlan {
    std::vector<MaterialPlan> materials;

    // Every part of the job has its pieces in a plan that ran to its end.
    bool complete() const;
    // Every material's plan is proven: the lowest price from its stock, or the fewest rods.
    bool optimal() const;
    // The price of the materials planned from stock; nothing when no material is.
    std::optional<double> price() const;
};

// How far the run of one material has come: its best plan's rods while it plans, and its plan's
// once made.
struct MaterialProgress {
    enum class Stage { Waiting, Planning, Planned, NoPlan };
    Stage stage = Stage::Waiting;
    int rods = 0;  // of the best plan so far; 0 before the first

    bool operator==(const MaterialProgress&) const = default;
};

// What planning a production job needs besides the job: the parameters under the job's own
// settings of each material, the time limit and threads, the stock of each material the store
// holds (a material without stock here is cut from rods of its rod length, the fewest), and the
// stop that ends every material's run with its best plan so far.
struct ProductionRunOptions {
    JobParameters parameters;
    MethodChoice methodChoice;
    std::map<std::string, StockList> stock;
    const std::atomic<bool>* stop = nullptr;
    // Told of each material as soon as its plan is made, on the thread that made it, one at a
    // time.
    std::function<void(const MaterialPlan&)> materialPlanned;
    // Told of the material (its index in the plan) as its run starts, finds a better plan and
    // ends, on the thread that plans it, one at a time.
    std::function<void(size_t material, const MaterialProgress&)> materialProgress;
    // The profile height and turning of materials whose pieces have angled ends and whose
    // settings in the job do not give them.
    MitreDefaults mitre;
};

// Plans every material of the job with the exact method, several materials at once on the
// threads the method choice allows, each within its time limit.
ProductionPlan planProductionJob(const ProductionJob& job, const ProductionRunOptions& options);

}  // namespace marlo
