#include "production/ProductionPlanning.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <new>
#include <numeric>
#include <thread>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/CommandLineSafetyTexts.h"
#include "i18n/texts/MitreTexts.h"
#include "i18n/texts/StockListTexts.h"
#include "model/PieceList.h"
#include "optimiser/MethodRun.h"
#include "optimiser/StockTotals.h"
#include "production/AngledParts.h"
#include "production/PatternCuts.h"

namespace marlo {

namespace {

// Tells of a material's progress, when a caller wants it, one report at a time.
using ProgressReport = std::function<void(const MaterialProgress&)>;

// Passes the stop on, and the rods of every better plan of the material.
class MaterialObserver : public RunObserver {
  public:
    MaterialObserver(const std::atomic<bool>& stop, const ProgressReport& report)
        : stop_(stop), report_(report) {}
    bool stopRequested() override { return stop_.load(std::memory_order_relaxed); }
    void bestPlanFound(const PlanSummary& totals, int) override {
        report_({MaterialProgress::Stage::Planning, totals.rodCount});
    }

  private:
    const std::atomic<bool>& stop_;
    const ProgressReport& report_;
};

MaterialPlan noPlan(MaterialPlan plan, int message) {
    plan.status = MaterialPlan::Status::NoPlan;
    plan.message = message;
    return plan;
}

MaterialPlan planMaterial(const ProductionJob& job, MaterialParts parts, const StockList& stock,
                          const MethodChoice& choice, const std::atomic<bool>& stop,
                          const ProgressReport& report) {
    MaterialPlan plan;
    plan.parts = std::move(parts);
    const JobParameters& parameters = plan.parts.parameters;
    plan.result.parameters = parameters;
    plan.result.method = OptimisationMethod::FewestRods;
    // Pieces must be shorter than the longest rod left once the trim is off both its ends.
    const int16_t longestUsable = longestUsableLength(parameters, stock);
    if (longestUsable <= 0 || !cutFitsRod(parameters.cutThickness, parameters.rodLength))
        return noPlan(std::move(plan), stock_text::kTrimTooLong);
    MaterialObserver observer(stop, report);
    if (plan.parts.hasAngles()) {
        // A cut's lean needs the profile's height: without one (or of 0 mm) nothing is planned.
        if (plan.parts.profileHeight.value_or(0) <= 0)
            return noPlan(std::move(plan), mitre_text::kNoProfileHeight);
        mitre::MitreJob angled = mitreJobOf(plan.parts);
        plan.rejectedRows = refuseTooLong(angled, longestUsable);
        const int64_t count = std::accumulate(angled.pieces.begin(), angled.pieces.end(), 0LL);
        if (count > PieceList::kCapacity) return noPlan(std::move(plan), msg::kTooManyPieces);
        if (count == 0) return noPlan(std::move(plan), msg::kNothingToOptimise);
        plan.result = mitre::planMitred(angled, parameters, choice, observer, stop, stock);
    } else {
        auto pieces = std::make_unique<PieceList>();
        const PreparedInput prepared = prepareInput(plan.parts.list, longestUsable, *pieces);
        plan.rejectedRows = prepared.rejectedRows;
        if (prepared.tooManyPieces) return noPlan(std::move(plan), msg::kTooManyPieces);
        if (pieces->count() == 0) return noPlan(std::move(plan), msg::kNothingToOptimise);
        plan.result = runMethod(*pieces, parameters, choice, observer, stop, stock);
    }
    switch (plan.result.plan.status) {
        case RunStatus::Finished:
            plan.status = stop.load(std::memory_order_relaxed) ? MaterialPlan::Status::Stopped
                                                               : MaterialPlan::Status::Planned;
            plan.pieceParts =
                partsOfPieces(plan.result.plan.patterns, job, plan.parts, plan.result.cutOrders);
            splitPatternsByParts(plan);
            return plan;
        case RunStatus::Aborted:
            return noPlan(std::move(plan), plan.result.plan.abortMessage);
        case RunStatus::Stopped:
            break;
    }
    return noPlan(std::move(plan), msg::kInterrupted);
}

// Threads of the machine the method choice allows: all of them for 0.
int threadsAllowed(const MethodChoice& choice) {
    if (choice.threads > 0) return choice.threads;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

}  // namespace

bool ProductionPlan::complete() const {
    return std::all_of(materials.begin(), materials.end(), [](const MaterialPlan& m) {
        return m.status == MaterialPlan::Status::Planned && m.rejectedRows.empty();
    });
}

bool ProductionPlan::optimal() const {
    return !materials.empty() &&
           std::all_of(materials.begin(), materials.end(),
                       [](const MaterialPlan& m) { return m.hasPlan() && m.result.optimal; });
}

std::optional<double> ProductionPlan::price() const {
    std::optional<double> total;
    for (const MaterialPlan& material : materials)
        if (material.hasPlan() && material.result.price)
            total = total.value_or(0.0) + *material.result.price;
    return total;
}

ProductionPlan planProductionJob(const ProductionJob& job, const ProductionRunOptions& options) {
    static const std::atomic<bool> neverStopped{false};
    const std::atomic<bool>& stop = options.stop != nullptr ? *options.stop : neverStopped;
    const std::vector<std::string> names = materialsOfParts(job);
    ProductionPlan production;
    production.materials.resize(names.size());
    if (names.empty()) return production;
    // Materials are planned side by side, each on an equal share of the threads.
    const int threads = threadsAllowed(options.methodChoice);
    const int workers = std::min<int>(threads, static_cast<int>(names.size()));
    MethodChoice choice = options.methodChoice;
    choice.method = OptimisationMethod::FewestRods;
    choice.threads = static_cast<int16_t>(std::max(1, threads / workers));
    std::atomic<size_t> next{0};
    std::mutex told;
    const auto work = [&] {
        for (size_t i = next++; i < names.size(); i = next++) {
            const auto found = options.stock.find(names[i]);
            const StockList& stock = found != options.stock.end() ? found->second : StockList{};
            MaterialPlan& plan = production.materials[i];
            const ProgressReport report = [&, i](const MaterialProgress& progress) {
                if (!options.materialProgress) return;
                const std::lock_guard<std::mutex> lock(told);
                options.materialProgress(i, progress);
            };
            report({MaterialProgress::Stage::Planning, 0});
            try {
                plan = planMaterial(job,
                                    materialParts(job, names[i], options.parameters, options.mitre),
                                    stock, choice, stop, report);
            } catch (const std::bad_alloc&) {
                MaterialPlan failed;
                failed.parts = materialParts(job, names[i], options.parameters, options.mitre);
                plan = noPlan(std::move(failed), safety_text::kOutOfMemory);
            }
            report(plan.hasPlan() ? MaterialProgress{MaterialProgress::Stage::Planned,
                                                     plan.result.plan.summary.rodCount}
                                  : MaterialProgress{MaterialProgress::Stage::NoPlan, 0});
            if (options.materialPlanned) {
                const std::lock_guard<std::mutex> lock(told);
                options.materialPlanned(plan);
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int w = 1; w < workers; ++w) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    return production;
}

}  // namespace marlo
