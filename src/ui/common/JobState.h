#pragma once

#include <QString>
#include <optional>

#include "labels/PieceLabels.h"
#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/ProductionJob.h"
#include "optimiser/PlanResult.h"
#include "production/ProductionPlanning.h"
#include "stock/ProductionBooking.h"
#include "stock/StockUsage.h"

namespace marlo {

// What the parts of the main window share: the cutting list, the parameters, the shown result
// and the job's file. The main window owns it; each part reads and changes what its job needs.
struct JobState {
    CuttingList list;
    JobParameters parameters;
    MethodChoice methodChoice;  // the method of the next run
    PlanResult result;          // the shown result as its run left it; valid while resultPresent
    // The stock store's material the next run plans from; empty: the single rod length.
    std::string material;
    // Of a result planned from a material: the material's stock as the run read it (with the
    // store's keys of its rows, which booking needs), and whether the plan has been booked.
    std::optional<MaterialStock> resultStock;
    bool booked = false;
    // The labels of the offcuts the booking kept; valid while booked.
    std::vector<OffcutLabel> bookedOffcuts;
    // A production job (*.mvjob) shown in place of the cutting list, with its parts as edited,
    // and the plan of its last run; without one the job is the cutting list.
    std::optional<ProductionJob> production;
    std::optional<ProductionPlan> productionPlan;
    // The stock each material of that plan was planned from, as its run read it; `booked` says
    // whether the plan has been booked.
    ProductionStock productionStock;
    bool resultPresent = false;
    bool changed = false;  // the job differs from its file (or from nothing, when new)
    QString fileName;      // the job file the job is bound to; empty for a new job

    // Optimise has something to plan: the production job's parts, else the cutting list.
    bool hasSomethingToPlan() const {
        return production ? !production->parts.empty() : !list.empty();
    }
};

}  // namespace marlo
