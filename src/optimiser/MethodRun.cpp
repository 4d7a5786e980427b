#include "optimiser/MethodRun.h"

#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/fewest/FewestRods.h"

namespace marlo {

MethodResult runMethod(PieceList& pieces, const JobParameters& parameters,
                       const MethodChoice& choice, RunObserver& observer,
                       const std::atomic<bool>& stop) {
    MethodResult result;
    result.method = choice.method;
    result.lowerBound = cheapLowerBound(pieces, parameters);
    if (choice.method == OptimisationMethod::Search) {
        result.plan = searchCuttingPlan(pieces, parameters, observer);
        result.optimal = result.plan.status == RunStatus::Finished &&
                         result.plan.summary.rodCount == *result.lowerBound;
        return result;
    }
    FewestRodsOptions options;
    options.timeLimit = std::chrono::seconds(choice.timeLimitSeconds);
    options.stop = &stop;
    options.progress = [&observer](const FewestRodsResult& best) {
        observer.bestPlanFound(best.plan.summary, best.lowerBound);
    };
    FewestRodsResult fewest = solveFewestRods(pieces, parameters, options);
    if (fewest.plan.status == RunStatus::Aborted) observer.message(fewest.plan.abortMessage);
    result.plan = std::move(fewest.plan);
    result.lowerBound = fewest.lowerBound;
    result.optimal = fewest.optimal;
    return result;
}

}  // namespace marlo
