#include "optimiser/MethodRun.h"

#include <cmath>

#include "optimiser/CuttingPlanSearch.h"

namespace marlo {

ExactRunControls exactRunControls(const MethodChoice& choice, const std::atomic<bool>& stop) {
    ExactRunControls controls;
    controls.timeLimit = std::chrono::seconds(choice.timeLimitSeconds);
    controls.stop = &stop;
    controls.threads = choice.threads;
    return controls;
}

PlanResult fewestRodsPlanResult(FewestRodsResult fewest, const JobParameters& parameters) {
    PlanResult result;
    result.method = OptimisationMethod::FewestRods;
    result.plan = std::move(fewest.plan);
    result.parameters = parameters;
    result.lowerBound = fewest.lowerBound;
    result.optimal = fewest.optimal;
    return result;
}

PlanResult searchPlanResult(CuttingPlan plan, int lowerBound, const JobParameters& parameters) {
    PlanResult result;
    result.method = OptimisationMethod::Search;
    result.plan = std::move(plan);
    result.parameters = parameters;
    result.lowerBound = lowerBound;
    result.optimal =
        result.plan.status == RunStatus::Finished && result.plan.summary.rodCount == lowerBound;
    return result;
}

double roundedPrice(double price) {
    return std::round(price * 10000.0) / 10000.0;
}

PlanResult stockPlanResult(StockPlanResult planned, const JobParameters& parameters) {
    PlanResult result;
    result.method = OptimisationMethod::FewestRods;
    result.plan = std::move(planned.plan);
    result.parameters = parameters;
    result.optimal = planned.optimal;
    if (result.plan.status == RunStatus::Finished) {
        result.price = roundedPrice(planned.price);
        result.priceLowerBound = roundedPrice(planned.priceLowerBound);
    }
    result.uncut = std::move(planned.uncut);
    result.missingLength = planned.missingLength;
    return result;
}

namespace {

PlanResult runFromStock(const PieceList& pieces, const JobParameters& parameters,
                        const MethodChoice& choice, RunObserver& observer,
                        const std::atomic<bool>& stop, const StockList& stock) {
    StockPlanOptions options{exactRunControls(choice, stop), {}};
    options.progress = [&observer](const StockPlanResult& best) {
        observer.bestPlanFound(best.plan.summary, 0);
    };
    PlanResult result =
        stockPlanResult(planFromStock(pieces, parameters, stock, options), parameters);
    if (result.plan.status == RunStatus::Aborted) observer.message(result.plan.abortMessage);
    return result;
}

}  // namespace

PlanResult runMethod(PieceList& pieces, const JobParameters& stored, const MethodChoice& choice,
                     RunObserver& observer, const std::atomic<bool>& stop, const StockList& stock) {
    if (!stock.empty()) return runFromStock(pieces, stored, choice, observer, stop, stock);
    // Both methods cut rods of the usable length; the parameters' own stay for the reports.
    const JobParameters parameters = cuttingParameters(stored);
    if (choice.method == OptimisationMethod::Search) {
        const int lowerBound = cheapLowerBound(pieces, parameters);
        return searchPlanResult(searchCuttingPlan(pieces, parameters, observer), lowerBound,
                                stored);
    }
    FewestRodsOptions options{exactRunControls(choice, stop), {}};
    options.progress = [&observer](const FewestRodsResult& best) {
        observer.bestPlanFound(best.plan.summary, best.lowerBound);
    };
    PlanResult result = fewestRodsPlanResult(solveFewestRods(pieces, parameters, options), stored);
    if (result.plan.status == RunStatus::Aborted) observer.message(result.plan.abortMessage);
    return result;
}

}  // namespace marlo
