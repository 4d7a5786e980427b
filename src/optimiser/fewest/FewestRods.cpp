#include "optimiser/fewest/FewestRods.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <random>

#include "i18n/StringCatalogue.h"
#include "i18n/texts/CommandLineSafetyTexts.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/fewest/ArcFlow.h"
#include "optimiser/fewest/BranchAndPrice.h"
#include "optimiser/fewest/ColumnGeneration.h"
#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/FitDecreasing.h"
#include "optimiser/fewest/LowerBounds.h"
#include "optimiser/fewest/ReducedCostPatterns.h"
#include "optimiser/fewest/RestrictedMaster.h"

namespace marlo {

namespace fewest {
namespace {

constexpr double kSearchSecondsWhenProven = 0.5;
constexpr size_t kPatternsTriedPerStage = 8;
constexpr double kRestrictedMasterShare = 0.3;
constexpr double kDiveShare = 0.3;
constexpr int kDiveFailures = 60;
constexpr size_t kMostDiveCells = size_t{1} << 22;
// Before the dives (which find the plans of lists whose relaxation rounds up to the optimum) the
// gap is closed only where that is quick to try: a short list of patterns, or the arcs of a tiny
// gap; otherwise after them.
constexpr double kEarlyGapShare = 0.5;
constexpr size_t kMostEarlyGapPatterns = 20000;
// An arc-flow model within a gap this small keeps few arcs (the relaxation's value is a whole
// number of rods, the best plan one more): it goes before the dives too.
constexpr double kMostEarlyArcGap = 0.01;
constexpr double kGapShare = 0.5;
// Branch and price goes where the relaxation rounded up is a rod short of the best plan, after the
// dives (which find the plans of the lists whose relaxation rounds up to the optimum): then the
// plan is often optimal and only a stronger bound or the tree proves it. Where pieces fill rods
// exactly, branching on the heaviest pairs first settles it quickly; what is left, a tree that
// branches on the pairs the relaxation splits the most.
constexpr double kFirstTreeShare = 0.5;
// Where a plan of fewer rods than the best would have to fill them whole, to the last thousandth
// of a rod (as on lists made so that the relaxation rounded up is a rod short of the optimum), the
// subset-row cuts at the tree's root often prove alone that there is none, and the dives would
// look for it in vain: the root goes before them.
constexpr double kMostSpareForRootFirst = 0.001;  // of a rod, over all the rods
constexpr double kRootFirstShare = 0.3;
constexpr double kSecondTreeShare = 0.6;
// CBC proves small sets of patterns; a list of patterns this long also stays within memory.
constexpr size_t kMostGapPatterns = 20000;

// Ends the rod-by-rod search at its deadline, which it checks every 3001 steps.
class DeadlineObserver : public RunObserver {
  public:
    explicit DeadlineObserver(const Deadline& deadline) : deadline_(deadline) {}
    bool stopRequested() override { return deadline_.passed(); }

  private:
    const Deadline& deadline_;
};

class Solver {
  public:
    Solver(const PieceList& pieces, const JobParameters& parameters,
           const FewestRodsOptions& options)
        : pieces_(pieces),
          parameters_(parameters),
          options_(options),
          instance_(instanceOf(pieces, parameters)),
          deadline_(Deadline::Clock::now() + options.timeLimit, options.stop),
          threads_(options.solverThreads()) {}

    FewestRodsResult run();

  private:
    FewestRodsResult runStages();
    FewestRodsResult aborted(int message) const;
    bool proven() const { return !best_.patterns.empty() && best_.rodCount() <= bound_; }
    std::vector<int32_t> fullDemand() const;
    void offer(const Packing& packing);
    void raiseBound(int bound);
    void report();
    FewestRodsResult result() const;

    void roundRelaxation(const ColumnGeneration& lp, const ColumnGeneration::Solution& solution,
                         Packing fixed, const std::vector<int32_t>& demand);
    void dive(ColumnGeneration& lp, const ColumnGeneration::Solution& solution,
              const Packing& fixed, const std::vector<int32_t>& demand, const Deadline& deadline,
              std::mt19937* random);
    void runSearch(const Deadline& deadline);
    void priceRelaxation(ColumnGeneration& lp, const Deadline& deadline);
    bool gapBelowOneRod() const;
    void closeGap(const Deadline& deadline, size_t mostPatterns, double mostArcGap);
    void runArcFlow(const Deadline& deadline);
    bool fewerRodsFillWhole() const;
    void runTree(const ColumnGeneration& lp, PairChoice choice, const Deadline& deadline,
                 uint64_t mostNodes = UINT64_MAX);

    const PieceList& pieces_;
    const JobParameters& parameters_;
    const FewestRodsOptions& options_;
    const Instance instance_;
    const Deadline deadline_;
    const int threads_;
    Packing best_;
    int bound_ = 0;
    uint64_t steps_ = 0;
    const ColumnGeneration* lp_ = nullptr;  // while the relaxation is being solved
    int diveFailures_ = 0;
    size_t diveDepth_ = 0;
    std::optional<FeasiblePrices> prices_;  // of the complete relaxation, once it is solved
    bool gapTried_ = false;                 // CBC had the patterns or arcs within the gap
};

// The demand left once `rods` rods of the pattern are cut.
void takeOut(std::vector<int32_t>& demand, const Pattern& pattern, int32_t rods) {
    for (const PatternEntry& e : pattern) {
        int32_t& left = demand[static_cast<size_t>(e.type)];
        left = std::max(0, left - rods * e.count);
    }
}

std::vector<int32_t> Solver::fullDemand() const {
    std::vector<int32_t> demand;
    for (const ItemType& type : instance_.types) demand.push_back(type.demand);
    return demand;
}

// Keeps the plan when it has fewer rods than the best so far, or as many in fewer patterns.
void Solver::offer(const Packing& packing) {
    if (!coversDemand(instance_, packing)) return;
    Packing plain = withoutSurplus(instance_, packing);
    const bool better =
        best_.patterns.empty() || plain.rodCount() < best_.rodCount() ||
        (plain.rodCount() == best_.rodCount() && plain.patterns.size() < best_.patterns.size());
    if (!better) return;
    best_ = std::move(plain);
    report();
}

void Solver::raiseBound(int bound) {
    if (bound <= bound_) return;
    bound_ = bound;
    if (!best_.patterns.empty()) report();
}

FewestRodsResult Solver::result() const {
    FewestRodsResult result;
    result.plan = cuttingPlanOf(instance_, best_, parameters_);
    // Patterns priced, rods searched and branches of the exact model: the steps of this method.
    result.plan.summary.calculatedPossibilities =
        steps_ + (lp_ != nullptr ? static_cast<uint64_t>(lp_->pricings()) : 0);
    result.lowerBound = bound_;
    result.optimal = proven();
    return result;
}

void Solver::report() {
    if (options_.progress) options_.progress(result());
}

// Rounds the rods of every pattern down, and cuts what is left first or best fit.
void Solver::roundRelaxation(const ColumnGeneration& lp, const ColumnGeneration::Solution& solution,
                             Packing fixed, const std::vector<int32_t>& demand) {
    std::vector<int32_t> left = demand;
    Packing rounded;
    for (size_t p = 0; p < solution.rods.size(); ++p) {
        const auto rods = static_cast<int32_t>(std::floor(solution.rods[p] + 1e-6));
        if (rods <= 0) continue;
        rounded.add(lp.patterns()[p], rods);
        takeOut(left, lp.patterns()[p], rods);
    }
    fixed = combined(fixed, rounded);
    for (const Packing& rest :
         {firstFitDecreasing(instance_, left), bestFitDecreasing(instance_, left)}) {
        if (deadline_.passed()) return;
        offer(combined(fixed, rest));
    }
}

// Fixes the patterns of the relaxation one after the other, solving the relaxation of what is
// left after each: first the pattern with the most rods, at its rounded-down count (at least one
// rod). A pattern after which the relaxation shows that no better plan can follow gives way to
// the one with the next most rods; when none is left, the dive steps back a stage. Every stage
// also tries rounding with first or best fit of the rest.
void Solver::dive(ColumnGeneration& lp, const ColumnGeneration::Solution& solution,
                  const Packing& fixed, const std::vector<int32_t>& demand,
                  const Deadline& deadline, std::mt19937* random) {
    std::vector<std::pair<Pattern, int32_t>> candidates;
    std::vector<size_t> order;
    for (size_t p = 0; p < solution.rods.size(); ++p)
        if (solution.rods[p] > 1e-6) order.push_back(p);
    // A repeated dive weighs the rods with a random factor, so that it takes other ways.
    std::vector<double> weight(solution.rods);
    if (random != nullptr) {
        std::uniform_real_distribution<double> factor(0.3, 1.0);
        for (double& w : weight) w *= factor(*random);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return weight[a] > weight[b]; });
    if (order.size() > kPatternsTriedPerStage) order.resize(kPatternsTriedPerStage);
    for (size_t p : order)
        candidates.emplace_back(
            lp.patterns()[p],
            std::max(1, static_cast<int32_t>(std::floor(solution.rods[p] + 1e-6))));

    for (const auto& [pattern, rods] : candidates) {
        if (proven() || deadline.passed()) return;
        Packing next = fixed;
        next.add(pattern, rods);
        std::vector<int32_t> left = demand;
        takeOut(left, pattern, rods);
        if (std::all_of(left.begin(), left.end(), [](int32_t d) { return d == 0; })) {
            offer(next);
            continue;
        }
        if (next.rodCount() >= best_.rodCount()) continue;
        // Stepping back far does not pay (the restricted master and other dives follow): once a
        // pattern has failed, every further relaxation of this dive counts against its budget.
        if (diveFailures_ > kDiveFailures) return;
        const ColumnGeneration::Solution after =
            lp.solve(left, best_.rodCount() - next.rodCount(), deadline);
        if (deadline.passed()) return;
        if (diveFailures_ > 0) ++diveFailures_;
        if (next.rodCount() + roundedUp(after.lowerBound) >= best_.rodCount()) {
            diveFailures_ = std::max(diveFailures_, 1);
            continue;
        }
        roundRelaxation(lp, after, next, left);
        // Every stage keeps what is left of the demand, a number per type: a long list's deep
        // dive would take the memory of the machine.
        if ((diveDepth_ + 1) * instance_.types.size() > kMostDiveCells) continue;
        ++diveDepth_;
        dive(lp, after, next, left, deadline, random);
        --diveDepth_;
    }
}

void Solver::runSearch(const Deadline& deadline) {
    auto copy = std::make_unique<PieceList>(pieces_);
    DeadlineObserver observer(deadline);
    const CuttingPlan plan = searchCuttingPlan(*copy, parameters_, observer);
    steps_ += plan.summary.calculatedPossibilities;
    if (plan.status != RunStatus::Finished) return;
    Packing packing;
    for (const RodPattern& rod : plan.patterns) {
        Pattern pattern;
        for (int i = 0; i < rod.pieceCount; ++i) {
            // Types are ordered longest first.
            const auto type = std::lower_bound(
                instance_.types.begin(), instance_.types.end(), rod.lengths[i],
                [](const ItemType& t, int16_t length) { return t.length > length; });
            addPieces(pattern, static_cast<int32_t>(type - instance_.types.begin()), 1);
        }
        packing.add(pattern, rod.rods);
    }
    offer(packing);
}

// The relaxation solved to the end, for its prices: the bound they prove holds whatever the LP's
// rounding errors.
void Solver::priceRelaxation(ColumnGeneration& lp, const Deadline& deadline) {
    const ColumnGeneration::Solution relaxation =
        lp.solve(fullDemand(), best_.rodCount(), deadline, ColumnGeneration::Until::End);
    if (!relaxation.complete) return;
    prices_ = feasiblePrices(instance_, relaxation.duals, deadline);
    if (prices_) raiseBound(static_cast<int>(std::ceil(prices_->rods)));
}

bool Solver::gapBelowOneRod() const {
    return !proven() && prices_ && best_.rodCount() - 1 - prices_->rods < 1.0;
}

// A plan of fewer rods than the best loses less than one rod against the relaxation's prices, so
// it uses only patterns worth nearly a rod at them. Where there are few, CBC over them finds the
// plan with the fewest rods or proves that none has fewer than the best; where there are many,
// the arc-flow model keeps only their arcs.
void Solver::closeGap(const Deadline& deadline, size_t mostPatterns, double mostArcGap) {
    const int rods = best_.rodCount();
    const std::optional<std::vector<Pattern>> patterns =
        patternsWithinGap(instance_, *prices_, rods - 1, mostPatterns, deadline);
    if (!patterns) {
        if (rods - 1 - prices_->rods >= mostArcGap) return;
        gapTried_ = true;
        runArcFlow(deadline);
        return;
    }
    gapTried_ = true;
    const PatternPlan solved = planFromPatterns(instance_, *patterns, rods, deadline, threads_);
    if (solved.plan) offer(*solved.plan);
    if (solved.finished) raiseBound(solved.plan ? solved.plan->rodCount() : rods);
}

bool Solver::fewerRodsFillWhole() const {
    return static_cast<double>(spareCapacity(instance_, best_.rodCount() - 1)) <
           kMostSpareForRootFirst * instance_.capacity;
}

// Branch and price with subset-row cuts settles whether a plan of fewer rods than the best exists.
void Solver::runTree(const ColumnGeneration& lp, PairChoice choice, const Deadline& deadline,
                     uint64_t mostNodes) {
    const TreeOutcome tree =
        branchAndPrice(instance_, lp.patterns(), best_.rodCount(), choice, deadline, mostNodes);
    steps_ += tree.nodes;
    raiseBound(roundedUp(tree.rootBound));
    if (tree.plan) offer(*tree.plan);
    if (tree.finished) raiseBound(best_.rodCount());
}

void Solver::runArcFlow(const Deadline& deadline) {
    const ArcFlowOutcome exact =
        solveArcFlow(instance_, best_, bound_, deadline, threads_, prices_ ? &*prices_ : nullptr);
    steps_ += exact.nodes;
    if (exact.better) offer(*exact.better);
    raiseBound(exact.provenBound);
}

FewestRodsResult Solver::aborted(int message) const {
    FewestRodsResult refused;
    refused.plan.status = RunStatus::Aborted;
    refused.plan.abortMessage = message;
    refused.lowerBound = bound_;
    return refused;
}

// A stage that runs out of memory ends the run with the best plan so far rather than the
// program: what it held is freed on the way out.
FewestRodsResult Solver::run() {
    try {
        return runStages();
    } catch (const std::bad_alloc&) {
        lp_ = nullptr;
        if (best_.patterns.empty()) return aborted(safety_text::kOutOfMemory);
        return result();
    }
}

FewestRodsResult Solver::runStages() {
    raiseBound(std::max(continuousBound(instance_), martelloTothBound(instance_)));
    // A rod could take more pieces than a pattern holds: refused like the search refuses it.
    if (instance_.mostPiecesPerRod > RodPattern::kMaxPieces)
        return aborted(msg::kTooManyShortDimensions);
    offer(firstFitDecreasing(instance_, fullDemand()));
    offer(bestFitDecreasing(instance_, fullDemand()));

    if (!proven()) {
        ColumnGeneration lp(instance_);
        lp_ = &lp;
        for (const Pattern& pattern : best_.patterns) lp.addPattern(pattern);
        const ColumnGeneration::Solution relaxation =
            lp.solve(fullDemand(), best_.rodCount(), deadline_);
        raiseBound(roundedUp(relaxation.lowerBound));
        if (!proven() && !deadline_.passed()) roundRelaxation(lp, relaxation, {}, fullDemand());
        if (!proven() && !deadline_.passed()) priceRelaxation(lp, deadline_);
        // A short list of patterns within the gap first (no arcs: a gap of at least 0 rods); the
        // tree's root where fewer rods would have to be filled whole; a dive and dives of other
        // ways, which find the plans that the relaxation rounded up promises; a tree that
        // branches on the heaviest split pairs, the arcs of a tiny gap, a tree that branches on
        // the most split pairs; the full list of patterns within the gap, the patterns the dives
        // made as an integer program.
        if (gapBelowOneRod())
            closeGap(deadline_.within(kEarlyGapShare * deadline_.secondsLeft()),
                     kMostEarlyGapPatterns, 0.0);
        if (gapBelowOneRod() && fewerRodsFillWhole())
            runTree(lp, PairChoice::HeaviestSplit,
                    deadline_.within(kRootFirstShare * deadline_.secondsLeft()), 1);
        if (!proven())
            dive(lp, relaxation, {}, fullDemand(),
                 deadline_.within(kDiveShare * deadline_.secondsLeft()), nullptr);
        const Deadline diving = deadline_.within(kDiveShare * deadline_.secondsLeft());
        std::mt19937 random(1);
        while (!proven() && !diving.passed()) {
            diveFailures_ = 0;
            dive(lp, relaxation, {}, fullDemand(), diving, &random);
        }
        if (gapBelowOneRod())
            runTree(lp, PairChoice::HeaviestSplit,
                    deadline_.within(kFirstTreeShare * deadline_.secondsLeft()));
        if (gapBelowOneRod() && !gapTried_)
            closeGap(deadline_.within(kEarlyGapShare * deadline_.secondsLeft()),
                     kMostEarlyGapPatterns, kMostEarlyArcGap);
        if (gapBelowOneRod())
            runTree(lp, PairChoice::MostSplit,
                    deadline_.within(kSecondTreeShare * deadline_.secondsLeft()));
        if (gapBelowOneRod() && !gapTried_)
            closeGap(deadline_.within(kGapShare * deadline_.secondsLeft()), kMostGapPatterns, 1.0);
        if (!proven() && !deadline_.passed()) {
            const PatternPlan restricted = planFromPatterns(
                instance_, lp.patterns(), best_.rodCount(),
                deadline_.within(kRestrictedMasterShare * deadline_.secondsLeft()), threads_);
            if (restricted.plan) offer(*restricted.plan);
        }
        steps_ += static_cast<uint64_t>(lp.pricings());
        lp_ = nullptr;
    }
    // The search may beat an unproven plan; a proven one it can still match in fewer patterns
    // (fewer saw set-ups), so it gets a short while then.
    if (!deadline_.passed() && (!proven() || best_.patterns.size() > 1))
        runSearch(
            deadline_.within(proven() ? kSearchSecondsWhenProven : deadline_.secondsLeft() / 2));
    if (!proven() && !deadline_.passed()) runArcFlow(deadline_);
    return result();
}

}  // namespace
}  // namespace fewest

FewestRodsResult solveFewestRods(const PieceList& pieces, const JobParameters& parameters,
                                 const FewestRodsOptions& options) {
    return fewest::Solver(pieces, parameters, options).run();
}

int cheapLowerBound(const PieceList& pieces, const JobParameters& parameters) {
    const fewest::Instance instance = fewest::instanceOf(pieces, parameters);
    return std::max(fewest::continuousBound(instance), fewest::martelloTothBound(instance));
}

}  // namespace marlo
