#include "mitre/MitrePlanning.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "i18n/texts/StockListTexts.h"
#include "mitre/CuttingSequence.h"
#include "mitre/RodFitter.h"
#include "mitre/RodShares.h"
#include "mitre/SquareJob.h"
#include "optimiser/MethodRun.h"
#include "optimiser/StockTotals.h"

namespace marlo::mitre {

namespace {

// The later square jobs' rods are shorter by these mm.
constexpr int kShortenings[] = {0, 1, 2, 4, 8, 16, 32, 64};

// The later square jobs, shares rounded up: first in the bound's steps (a job as quick to solve
// as the bound's), then in the steps that round them up closest, on ever shorter rods.
std::vector<ShareRounding> laterRoundings(double boundSteps, double closestSteps) {
    std::vector<ShareRounding> roundings;
    if (boundSteps != closestSteps) roundings.push_back({boundSteps, true, 0});
    for (const int shorter : kShortenings) roundings.push_back({closestSteps, true, shorter});
    return roundings;
}

// What a rod leaves behind its last cut, booked as square rods book it: the remnant, or minus
// the sliver before that cut where the last piece ends at the rod's end.
int16_t wasteOf(const Rod& rod, const MitreJob& job, const JobParameters& parameters,
                const StockList& stock) {
    const double left = usableOf(rod.stockItem, parameters, stock) - rod.sequence.lengthUsed;
    if (rod.sequence.pieces.empty()) return toLength(left);
    const LaidPiece& last = rod.sequence.pieces.back();
    const double kerf = kerfAlongRod(job.material.cutThickness,
                                     lyingEnds(job.shapes[static_cast<size_t>(last.kind)],
                                               last.turned, job.material.profileHeight)
                                         .right.angle);
    const double remnant = std::floor(left - kerf + kFits);
    return bookedWaste(static_cast<int32_t>(remnant), static_cast<int32_t>(std::lround(kerf)));
}

// The rods as a plan: equal rods (stock row, pieces, order and turning) one pattern, ordered by
// waste when the parameters ask it, each pattern's lengths longest first and its cut order.
PlanResult resultOf(const std::vector<Rod>& rods, const MitreJob& job,
                    const JobParameters& parameters, const StockList& stock) {
    struct Group {
        const Rod* rod;
        int count;
        int16_t waste;
    };
    std::vector<Group> groups;
    for (const Rod& rod : rods) {
        const auto same = std::find_if(groups.begin(), groups.end(), [&](const Group& g) {
            return g.rod->stockItem == rod.stockItem && g.rod->counts == rod.counts &&
                   std::equal(g.rod->sequence.pieces.begin(), g.rod->sequence.pieces.end(),
                              rod.sequence.pieces.begin(), rod.sequence.pieces.end(),
                              [](const LaidPiece& a, const LaidPiece& b) {
                                  return a.kind == b.kind && a.turned == b.turned;
                              });
        });
        if (same != groups.end()) {
            ++same->count;
            continue;
        }
        groups.push_back({&rod, 1, wasteOf(rod, job, parameters, stock)});
    }
    if (parameters.sortOutputByWaste)
        std::stable_sort(groups.begin(), groups.end(),
                         [](const Group& a, const Group& b) { return a.waste < b.waste; });
    PlanResult result;
    result.method = OptimisationMethod::FewestRods;
    result.parameters = parameters;
    result.plan.stock = stock;
    for (const Group& group : groups) {
        const std::vector<LaidPiece>& laid = group.rod->sequence.pieces;
        std::vector<size_t> slots(laid.size());
        std::iota(slots.begin(), slots.end(), size_t{0});
        const auto length = [&](size_t at) {
            return static_cast<int16_t>(job.shapes[static_cast<size_t>(laid[at].kind)].length);
        };
        std::stable_sort(slots.begin(), slots.end(),
                         [&](size_t a, size_t b) { return length(a) > length(b); });
        RodPattern& pattern = result.plan.patterns.append();
        pattern.rods = static_cast<int16_t>(group.count);
        pattern.waste = group.waste;
        pattern.pieceCount = static_cast<int16_t>(laid.size());
        pattern.stockItem = group.rod->stockItem;
        std::vector<PieceCut>& order = result.cutOrders.emplace_back(laid.size());
        for (size_t slot = 0; slot < slots.size(); ++slot) {
            pattern.lengths[slot] = length(slots[slot]);
            order[slots[slot]] = {static_cast<int16_t>(slot), laid[slots[slot]].kind,
                                  laid[slots[slot]].turned};
        }
        bookRods(result.plan.summary, pattern.waste, pattern.rods);
    }
    orderAndNumberPatterns(result.plan.patterns, false);
    if (!stock.empty())
        result.price = roundedPrice(stockTotals(patternsOf(result.plan.patterns), stock).price);
    return result;
}

// The better of two plans: the cheaper from stock, else (and at an equal price) fewer rods.
bool better(const PlanResult& a, const PlanResult& b) {
    if (a.price && b.price && std::abs(*a.price - *b.price) > 1e-9) return *a.price < *b.price;
    return a.plan.summary.rodCount < b.plan.summary.rodCount;
}

bool proven(const PlanResult& plan, const PlanResult& square) {
    if (plan.price) return square.priceLowerBound && *plan.price <= *square.priceLowerBound + 1e-9;
    return square.lowerBound && plan.plan.summary.rodCount <= *square.lowerBound;
}

// Passes the stop on and nothing else: the later square jobs' plans are not the angled plan's.
class StopOnly : public RunObserver {
  public:
    explicit StopOnly(RunObserver& observer) : observer_(observer) {}
    bool stopRequested() override { return observer_.stopRequested(); }

  private:
    RunObserver& observer_;
};

// A square plan that could not be cut: its uncut pieces named by their real lengths.
PlanResult unplanned(PlanResult square, const MitreJob& job, const SquareJob& squared,
                     const JobParameters& parameters) {
    for (UncutDimension& uncut : square.uncut)
        for (size_t kind = 0; kind < job.shapes.size(); ++kind)
            if (squared.lengthOfKind[kind] == uncut.length) {
                uncut.length = static_cast<int16_t>(job.shapes[kind].length);
                break;
            }
    square.parameters = parameters;
    return square;
}

}  // namespace

double aloneLength(const MitreJob& job, int kind) {
    std::vector<int> one(job.shapes.size(), 0);
    one[static_cast<size_t>(kind)] = 1;
    return shortestSequence(one, job.shapes, job.material).lengthUsed;
}

PlanResult planMitred(const MitreJob& job, const JobParameters& parameters,
                      const MethodChoice& choice, RunObserver& observer,
                      const std::atomic<bool>& stop, const StockList& stock) {
    const auto started = std::chrono::steady_clock::now();
    const RodShares shares = rodShares(job.shapes, job.material);
    const double boundSteps = squareSteps(job, shares, parameters, stock, false);
    const auto first = squareJob(job, shares, parameters, stock, {boundSteps, false, 0});
    const PlanResult square =
        runMethod(first->pieces, first->parameters, choice, observer, stop, first->stock);
    if (square.plan.status != RunStatus::Finished)
        return unplanned(square, job, *first, parameters);
    std::optional<PlanResult> best;
    if (const auto rods = fitRods(square.plan, *first, job, shares, parameters, stock))
        best = resultOf(*rods, job, parameters, stock);
    StopOnly quiet(observer);
    const double closestSteps = squareSteps(job, shares, parameters, stock, true);
    for (const ShareRounding& rounding : laterRoundings(boundSteps, closestSteps)) {
        if ((best && proven(*best, square)) || stop.load(std::memory_order_relaxed)) break;
        const double spent =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        MethodChoice again = choice;
        again.timeLimitSeconds = static_cast<int16_t>(choice.timeLimitSeconds - spent);
        if (again.timeLimitSeconds < 1) break;
        const auto tighter = squareJob(job, shares, parameters, stock, rounding);
        const PlanResult retry =
            runMethod(tighter->pieces, tighter->parameters, again, quiet, stop, tighter->stock);
        if (retry.plan.status != RunStatus::Finished) continue;
        if (const auto rods = fitRods(retry.plan, *tighter, job, shares, parameters, stock)) {
            PlanResult plan = resultOf(*rods, job, parameters, stock);
            // Its plan kept as it was and proven for its job, which holds less on shorter rods.
            const bool unbeatable = retry.optimal && !better(retry, plan) && !better(plan, retry);
            if (!best || better(plan, *best)) best = std::move(plan);
            if (unbeatable && rounding.steps == closestSteps) break;
        }
    }
    if (!best) {
        PlanResult none = square;
        none.plan.status = RunStatus::Aborted;
        none.plan.abortMessage = stock_text::kStockTooSmall;
        none.parameters = parameters;
        return none;
    }
    best->lowerBound = square.lowerBound;
    best->priceLowerBound = square.priceLowerBound;
    best->optimal = proven(*best, square);
    best->plan.summary.calculatedPossibilities = square.plan.summary.calculatedPossibilities;
    return *best;
}

}  // namespace marlo::mitre
