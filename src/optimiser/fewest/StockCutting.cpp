#include "optimiser/fewest/StockCutting.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/StockListTexts.h"
#include "optimiser/fewest/ColumnGeneration.h"
#include "optimiser/fewest/StockArcFlow.h"
#include "optimiser/fewest/StockColumnGeneration.h"
#include "optimiser/fewest/StockFirstFit.h"
#include "optimiser/fewest/StockRestrictedMaster.h"
#include "optimiser/fewest/StockTightestFill.h"

namespace marlo {

namespace fewest {
namespace {

constexpr double kRodsShare = 0.2;
constexpr double kRelaxationShare = 0.4;
constexpr double kDiveShare = 0.25;
constexpr double kChoicesShare = 0.4;
constexpr double kRestrictedMasterShare = 0.15;
// Fewer rods at a proven price, and fewer patterns, only break ties: they get little time, also
// when much is left.
constexpr double kPatternsShare = 0.1;
constexpr double kMostTieBreakSeconds = 0.3;
constexpr double kTolerance = 1e-6;

class StockSolver {
  public:
    StockSolver(const PieceList& pieces, const JobParameters& parameters, const StockList& stock,
                const StockPlanOptions& options)
        : parameters_(parameters),
          stock_(stock),
          options_(options),
          instance_(stockInstanceOf(pieces, parameters, stock)),
          deadline_(Deadline::Clock::now() + options.timeLimit, options.stop),
          threads_(options.solverThreads()) {}

    StockPlanResult run();

  private:
    double uncutPrice() const { return lp_ ? lp_->uncutPrice() : 0.0; }
    bool proven() const {
        return best_ && best_->complete() &&
               priceOf(instance_, *best_) <= priceBound_ + kTolerance * (1.0 + priceBound_);
    }
    void offer(const StockPacking& packing);
    void raiseBound(double bound);
    // The cost (by costOf) of a plan at the bound's price with any number of rods: an integer
    // program that finds one can stop, as no plan is cheaper.
    double enoughCost() const {
        return priceBound_ + kTolerance * (1.0 + priceBound_) +
               rodTieBreak(instance_) * instance_.pieceCount;
    }
    void report() {
        if (options_.progress) options_.progress(result());
    }
    StockPlanResult result() const;
    std::vector<int32_t> fullDemand() const;
    void roundAndFill(const StockColumnGeneration& lp, const StockInstance& within,
                      const StockColumnGeneration::Solution& solution);
    void dive(StockColumnGeneration& lp, const StockInstance& within, const Deadline& deadline);
    void searchCheaperRodChoices(const Deadline& deadline);
    void searchRodChoicesOnce(const Deadline& deadline);
    double choicePrice(const std::vector<int32_t>& rods) const;

    const JobParameters& parameters_;
    const StockList& stock_;
    const StockPlanOptions& options_;
    const StockInstance instance_;
    const Deadline deadline_;
    const int threads_;
    std::unique_ptr<StockColumnGeneration> lp_;
    std::optional<StockPacking> best_;
    int leastRods_ = 0;        // every plan has at least so many rods
    double priceBound_ = 0.0;  // rounded up to a price some choice of rods costs
    uint64_t steps_ = 0;
};

// Takes the packing when it costs less than the best (a lower price, or as much in fewer rods),
// or as much in fewer patterns.
void StockSolver::offer(const StockPacking& packing) {
    if (best_) {
        const double difference =
            costOf(instance_, packing, uncutPrice()) - costOf(instance_, *best_, uncutPrice());
        const bool fewerPatterns = packing.columns.size() < best_->columns.size();
        if (difference >= rodTieBreak(instance_) / 2 ||
            (difference > -rodTieBreak(instance_) / 2 && !fewerPatterns))
            return;
    }
    best_ = packing;
    report();
}

void StockSolver::raiseBound(double bound) {
    bound = roundedUpPrice(instance_, bound);
    if (bound <= priceBound_) return;
    priceBound_ = bound;
    if (best_) report();
}

double StockSolver::choicePrice(const std::vector<int32_t>& rods) const {
    double price = 0.0;
    for (size_t b = 0; b < rods.size(); ++b) price += rods[b] * instance_.bins[b].price;
    return price;
}

std::vector<int32_t> StockSolver::fullDemand() const {
    std::vector<int32_t> demand;
    for (const ItemType& type : instance_.types) demand.push_back(type.demand);
    return demand;
}

std::vector<int32_t> availabilityOf(const StockInstance& instance) {
    std::vector<int32_t> available;
    for (const StockBin& bin : instance.bins) available.push_back(bin.available);
    return available;
}

// The relaxation's rods rounded down, and what is left cut first fit, within the rods that
// `within` (the instance, or the instance with fewer rods) has.
void StockSolver::roundAndFill(const StockColumnGeneration& lp, const StockInstance& within,
                               const StockColumnGeneration::Solution& solution) {
    std::vector<int32_t> demand = fullDemand();
    std::vector<int32_t> available = availabilityOf(within);
    StockPacking packing;
    for (size_t c = 0; c < solution.rods.size(); ++c) {
        const StockColumn& column = lp.columns()[c];
        const auto rods = std::min(static_cast<int32_t>(std::floor(solution.rods[c] + kTolerance)),
                                   available[column.bin]);
        if (rods <= 0) continue;
        packing.add(column, rods);
        available[column.bin] -= rods;
        for (const PatternEntry& e : column.pattern) {
            int32_t& left = demand[static_cast<size_t>(e.type)];
            left = std::max(0, left - rods * e.count);
        }
    }
    for (const StockPacking& rest :
         {cheapestFirstFit(within, demand, available), tightestFill(within, demand, available)}) {
        StockPacking filled = packing;
        for (size_t c = 0; c < rest.columns.size(); ++c) filled.add(rest.columns[c], rest.rods[c]);
        offer(withoutSurplus(instance_, filled));
    }
}

// Fixes the column whose rods are nearest above a whole number at that number, solves the
// relaxation of what is left with new columns, and goes on until the relaxation is whole or can
// no longer beat the best plan; every stage also rounds down and fills.
void StockSolver::dive(StockColumnGeneration& lp, const StockInstance& within,
                       const Deadline& deadline) {
    while (!proven() && !deadline.passed()) {
        const StockColumnGeneration::Solution solution = lp.solve(deadline);
        if (!solution.solved || deadline.passed()) break;
        roundAndFill(lp, within, solution);
        if (solution.value >= costOf(instance_, *best_, uncutPrice()) - rodTieBreak(instance_) / 2)
            break;
        std::optional<size_t> fixed;
        double nearest = 0.0;
        for (size_t c = 0; c < solution.rods.size(); ++c) {
            const double part = solution.rods[c] - std::floor(solution.rods[c]);
            if (part > kTolerance && part < 1.0 - kTolerance && part > nearest) {
                nearest = part;
                fixed = c;
            }
        }
        // A whole relaxation is a plan, which the rounding has offered.
        if (!fixed) break;
        lp.fixAtLeast(*fixed, std::ceil(solution.rods[*fixed]));
    }
    lp.releaseFixings();
}

// Every plan cheaper than the best lies in one of the choices of rods priced from the bound up to
// the best plan's price that hold the pieces. Most gaps are a step of these choices wide, and the
// plain dive, drawn to the relaxation's mix of rods, misses the choice at the bound: cheapest
// first, the relaxation limited to each choice's rods either shows that they cannot hold the
// pieces, which raises the bound to the next choice's price, or leads a dive to a plan there.
void StockSolver::searchCheaperRodChoices(const Deadline& deadline) {
    // A cheaper plan leaves fewer choices below it, with more time each: another pass.
    while (!proven() && !deadline.passed()) {
        const double before = priceOf(instance_, *best_);
        searchRodChoicesOnce(deadline);
        if (priceOf(instance_, *best_) == before) return;
    }
}

void StockSolver::searchRodChoicesOnce(const Deadline& deadline) {
    constexpr size_t kMostChoices = 64;
    const std::vector<std::vector<int32_t>> choices =
        rodChoicesPricedWithin(instance_, priceBound_, priceOf(instance_, *best_), kMostChoices);
    bool cheaperRuledOut = true;  // no choice before this one holds the pieces
    for (size_t choice = 0; choice < choices.size(); ++choice) {
        if (proven() || deadline.passed()) return;
        const std::vector<int32_t>& rods = choices[choice];
        const double price = choicePrice(rods);
        if (price >= priceOf(instance_, *best_)) return;
        StockInstance within = instance_;
        int rodCount = 0;
        for (size_t b = 0; b < within.bins.size(); ++b) {
            within.bins[b].available = rods[b];
            within.bins[b].limited = true;
            rodCount += rods[b];
        }
        StockColumnGeneration lp(within);
        lp.addColumns(lp_->columns());
        if (leastRods_ > 0) lp.requireRods(leastRods_);
        // Each choice still cheaper than the best gets an equal share of the time left; what its
        // dive leaves, CBC gets for a plan of its columns.
        const auto cheaper = std::count_if(choices.begin() + static_cast<std::ptrdiff_t>(choice),
                                           choices.end(), [&](const std::vector<int32_t>& c) {
                                               return choicePrice(c) < priceOf(instance_, *best_);
                                           });
        const Deadline slice =
            deadline.within(deadline.secondsLeft() / static_cast<double>(cheaper));
        const StockColumnGeneration::Solution relaxation = lp.solve(slice);
        // Every complete plan within the choice costs at most its price and tie-breaks.
        const double mostCost = price + rodTieBreak(instance_) * rodCount;
        if (relaxation.lowerBound > mostCost + kTolerance * (1.0 + mostCost)) {
            if (cheaperRuledOut)
                raiseBound(choice + 1 < choices.size()     ? choicePrice(choices[choice + 1])
                           : choices.size() < kMostChoices ? priceOf(instance_, *best_)
                                                           : price);
        } else {
            cheaperRuledOut = false;
            const double before = priceOf(instance_, *best_);
            dive(lp, within, slice);
            if (priceOf(instance_, *best_) == before && !slice.passed()) {
                const std::optional<StockPacking> restricted =
                    planFromColumns(within, lp.columns(), uncutPrice(), *best_, leastRods_, slice,
                                    threads_, enoughCost());
                if (restricted) offer(*restricted);
            }
        }
        steps_ += static_cast<uint64_t>(lp.pricings());
        lp_->addColumns(std::span(lp.columns()).subspan(lp_->columns().size()));
    }
}

StockPlanResult StockSolver::result() const {
    StockPlanResult result;
    result.plan.summary.calculatedPossibilities = steps_;
    if (!best_) return result;
    if (!best_->complete()) {
        result.plan.status = RunStatus::Aborted;
        result.plan.abortMessage = stock_text::kStockTooSmall;
        for (size_t t = 0; t < instance_.types.size(); ++t) {
            if (best_->uncut[t] == 0) continue;
            result.uncut.push_back({instance_.types[t].length, best_->uncut[t]});
            result.missingLength +=
                static_cast<int64_t>(instance_.types[t].length) * best_->uncut[t];
        }
        return result;
    }
    const uint64_t steps = steps_;
    result.plan = cuttingPlanOf(instance_, *best_, parameters_);
    result.plan.summary.calculatedPossibilities = steps;
    result.plan.stock = stock_;
    result.price = priceOf(instance_, *best_);
    result.priceLowerBound = std::min(result.price, priceBound_);
    result.optimal = proven();
    return result;
}

StockPlanResult StockSolver::run() {
    if (instance_.mostPiecesPerRod > RodPattern::kMaxPieces) {
        // A rod could take more pieces than a pattern holds: refused like the search refuses it.
        StockPlanResult refused;
        refused.plan.status = RunStatus::Aborted;
        refused.plan.abortMessage = msg::kTooManyShortDimensions;
        return refused;
    }
    lp_ = std::make_unique<StockColumnGeneration>(instance_);
    offer(cheapestFirstFit(instance_, fullDemand(), availabilityOf(instance_)));
    // Every plan has at least as many rods as the relaxation of the fewest rods, rounded up.
    StockColumnGeneration fewestRods(instance_, StockColumnGeneration::Objective::Rods);
    fewestRods.addColumns(best_->columns);
    const StockColumnGeneration::Solution rods =
        fewestRods.solve(deadline_.within(kRodsShare * deadline_.secondsLeft()));
    lp_->addColumns(fewestRods.columns());
    const bool allCut =
        std::all_of(rods.uncut.begin(), rods.uncut.end(), [](double n) { return n < kTolerance; });
    if (rods.complete && allCut) {
        leastRods_ = roundedUp(rods.value);
        lp_->requireRods(leastRods_);
    }
    steps_ += static_cast<uint64_t>(fewestRods.pricings());
    const StockColumnGeneration::Solution relaxation =
        lp_->solve(deadline_.within(kRelaxationShare * deadline_.secondsLeft()));
    // The relaxation's cost holds a tie-break of less than half the prices' step.
    const double tieBreaks = rodTieBreak(instance_) * instance_.pieceCount;
    raiseBound(relaxation.lowerBound - tieBreaks);
    if (relaxation.solved) roundAndFill(*lp_, instance_, relaxation);
    dive(*lp_, instance_, deadline_.within(kDiveShare * deadline_.secondsLeft()));
    steps_ += static_cast<uint64_t>(lp_->pricings());
    if (best_->complete())
        searchCheaperRodChoices(deadline_.within(kChoicesShare * deadline_.secondsLeft()));
    // The columns' own plan also settles ties of price in fewer rods, so it runs when proven too,
    // unless the plan already has the fewest rods any plan has.
    if (!deadline_.passed() && !(proven() && best_->rodCount() <= leastRods_)) {
        const double share = kRestrictedMasterShare * deadline_.secondsLeft();
        const std::optional<StockPacking> restricted = planFromColumns(
            instance_, lp_->columns(), uncutPrice(), *best_, leastRods_,
            deadline_.within(proven() ? std::min(share, kMostTieBreakSeconds) : share), threads_,
            enoughCost());
        if (restricted) offer(*restricted);
    }
    if (!proven() && !deadline_.passed()) {
        const StockArcFlowOutcome exact = solveStockArcFlow(
            instance_, uncutPrice(), best_, leastRods_, deadline_, threads_, enoughCost());
        steps_ += exact.nodes;
        if (exact.better) offer(*exact.better);
        if (exact.finished)
            raiseBound(best_->complete() ? priceOf(instance_, *best_) : uncutPrice());
        else
            raiseBound(exact.costBound - tieBreaks);
    }
    if (best_->complete() && best_->columns.size() > 1 && !deadline_.passed()) {
        std::vector<StockColumn> columns = lp_->columns();
        columns.insert(columns.end(), best_->columns.begin(), best_->columns.end());
        const std::optional<StockPacking> fewer = planWithFewerPatterns(
            instance_, columns, *best_,
            deadline_.within(
                std::min(kPatternsShare * deadline_.secondsLeft(), kMostTieBreakSeconds)),
            threads_);
        if (fewer) offer(*fewer);
    }
    return result();
}

}  // namespace
}  // namespace fewest

StockPlanResult planFromStock(const PieceList& pieces, const JobParameters& parameters,
                              const StockList& stock, const StockPlanOptions& options) {
    StockPlanResult result = fewest::StockSolver(pieces, parameters, stock, options).run();
    // Also a plan that the stock could not hold names the stock it was planned from.
    result.plan.stock = stock;
    return result;
}

}  // namespace marlo
