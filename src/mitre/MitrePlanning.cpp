#include "mitre/MitrePlanning.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <numeric>
#include <optional>

#include "i18n/texts/StockListTexts.h"
#include "mitre/CuttingSequence.h"
#include "mitre/RodShares.h"
#include "model/PieceList.h"
#include "optimiser/MethodRun.h"
#include "optimiser/StockTotals.h"

namespace marlo::mitre {

namespace {

// Lengths closer than this (mm) to the rod's are within it.
constexpr double kFits = 1e-6;
// The later square jobs: their pieces' shares rounded up, their rods shorter by these mm.
constexpr int kShortenings[] = {0, 1, 2, 4, 8, 16, 32, 64};
// The finest steps of the square jobs' lengths, per mm.
constexpr int kFinestSteps = 4;

int16_t toLength(double mm) {
    return static_cast<int16_t>(std::clamp(std::floor(mm + kFits), 0.0, 32767.0));
}

double usableOf(int32_t stockItem, const JobParameters& parameters, const StockList& stock) {
    const int16_t rod =
        stockItem < 0 ? parameters.rodLength : stock.items[static_cast<size_t>(stockItem)].length;
    return usableLength(parameters, rod);
}

// The square job whose plans bound the angled job's: every piece its share rounded down, every
// rod its usable length and end allowance less `shorter` mm, no cut and no trim (both are in the
// shares). Shares rounded up instead (`roundUp`) make a job whose rods hold what real rods hold
// where the pieces meet as the shares assume, as frames' mitres do: its plans need few moves.
struct SquareJob {
    PieceList pieces;
    JobParameters parameters;
    StockList stock;
    std::vector<int16_t> lengthOfKind;
};

// The steps per mm of the square jobs' lengths: of those the rods allow, the one whose rounding
// down of the shares loses least, so that the bound is close to the real rods'.
double finestScale(const MitreJob& job, const RodShares& shares, double longestRod) {
    const int most =
        std::clamp(static_cast<int>(32000.0 / (longestRod + std::max(0.0, shares.endAllowance))), 1,
                   kFinestSteps);
    double best = 1.0, leastLoss = 1e300;
    for (int steps = 1; steps <= most; ++steps) {
        double loss = 0.0;
        for (size_t kind = 0; kind < shares.shares.size(); ++kind) {
            const double scaled = steps * shares.shares[kind];
            loss += job.pieces[kind] * (scaled - std::floor(scaled + kFits)) / steps;
        }
        if (loss < leastLoss - kFits) {
            best = steps;
            leastLoss = loss;
        }
    }
    return best;
}

std::unique_ptr<SquareJob> squareJob(const MitreJob& job, const RodShares& shares,
                                     const JobParameters& parameters, const StockList& stock,
                                     int shorter, bool roundUp) {
    auto square = std::make_unique<SquareJob>();
    square->parameters = parameters;
    square->parameters.cutThickness = 0;
    square->parameters.trim = 0;
    double longestRod = usableOf(-1, parameters, stock);
    for (size_t i = 0; i < stock.items.size(); ++i)
        longestRod = std::max(longestRod, usableOf(static_cast<int32_t>(i), parameters, stock));
    const double scale = finestScale(job, shares, longestRod);
    const auto squareRod = [&](int32_t item) {
        return toLength(scale *
                        (usableOf(item, parameters, stock) + shares.endAllowance - shorter));
    };
    square->parameters.rodLength = squareRod(-1);
    int16_t longest = square->parameters.rodLength;
    square->stock = stock;
    for (size_t i = 0; i < stock.items.size(); ++i) {
        StockItem& item = square->stock.items[i];
        item.price = priceOfRod(stock, stock.items[i]);
        item.length = squareRod(static_cast<int32_t>(i));
        if (i == 0 || item.length > longest) longest = item.length;
    }
    for (const double share : shares.shares)
        square->lengthOfKind.push_back(std::clamp<int16_t>(
            toLength(roundUp ? std::ceil(scale * share - kFits) : scale * share), 1,
            static_cast<int16_t>(longest - 1)));
    std::vector<int> byLength(job.shapes.size());
    std::iota(byLength.begin(), byLength.end(), 0);
    std::stable_sort(byLength.begin(), byLength.end(), [&](int a, int b) {
        return square->lengthOfKind[static_cast<size_t>(a)] >
               square->lengthOfKind[static_cast<size_t>(b)];
    });
    for (const int kind : byLength)
        for (int n = 0; n < job.pieces[static_cast<size_t>(kind)]; ++n)
            square->pieces.append(square->lengthOfKind[static_cast<size_t>(kind)]);
    square->pieces.setInitialCount(square->pieces.count());
    return square;
}

// A rod of the angled plan: where it comes from, its pieces per kind and how they are cut.
struct Rod {
    int32_t stockItem = -1;
    std::vector<int> counts;
    RodSequence sequence;
};

// Builds the angled plan from a square job's plan.
class RodFitter {
  public:
    RodFitter(const MitreJob& job, const RodShares& shares, const JobParameters& parameters,
              const StockList& stock)
        : job_(job), shares_(shares), parameters_(parameters), stock_(stock) {}

    // The plan's rods, each cut as it takes least. A rod too short in reality swaps a piece for a
    // shorter one of a rod with room for the difference; where none is found, pieces it cannot
    // hold move to other rods. Nothing when the stock has no rod left for them.
    std::optional<std::vector<Rod>> rodsOf(const CuttingPlan& plan, const SquareJob& square) {
        std::map<int16_t, std::deque<int>> kindsOfLength;
        for (size_t kind = 0; kind < job_.shapes.size(); ++kind)
            for (int n = 0; n < job_.pieces[kind]; ++n)
                kindsOfLength[square.lengthOfKind[kind]].push_back(static_cast<int>(kind));
        std::vector<Rod> rods;
        std::vector<int> moved;
        for (const RodPattern& pattern : plan.patterns)
            for (int r = 0; r < pattern.rods; ++r) {
                Rod rod{pattern.stockItem, std::vector<int>(job_.shapes.size(), 0), {}};
                for (int i = 0; i < pattern.pieceCount; ++i) {
                    std::deque<int>& kinds = kindsOfLength[pattern.lengths[i]];
                    if (kinds.empty()) continue;
                    ++rod.counts[static_cast<size_t>(kinds.front())];
                    kinds.pop_front();
                }
                sequence(rod);
                rods.push_back(std::move(rod));
            }
        for (size_t r = 0; r < rods.size(); ++r)
            if (!fits(rods[r]) && !swapToFit(r, rods)) relieve(rods[r], moved);
        std::sort(moved.begin(), moved.end(), [&](int a, int b) { return mean(a) > mean(b); });
        for (const int kind : moved)
            if (!placeElsewhere(kind, rods)) return std::nullopt;
        return rods;
    }

  private:
    double mean(int kind) const {
        return meanLength(job_.shapes[static_cast<size_t>(kind)], job_.material.profileHeight);
    }
    bool fits(const Rod& rod) const {
        return rod.sequence.lengthUsed <= usableOf(rod.stockItem, parameters_, stock_) + kFits;
    }
    void sequence(Rod& rod) const {
        rod.sequence = shortestSequence(rod.counts, job_.shapes, job_.material);
    }
    double shares(const Rod& rod) const {
        double sum = 0.0;
        for (size_t kind = 0; kind < rod.counts.size(); ++kind)
            sum += rod.counts[kind] * shares_.shares[kind];
        return sum;
    }
    // Whether the rod's shares leave room for a piece of `share` more: a rod can hold no more.
    bool sharesHold(const Rod& rod, double more) const {
        return shares(rod) + more <=
               usableOf(rod.stockItem, parameters_, stock_) + shares_.endAllowance + kFits;
    }

    // Swaps a piece of the overlong rod for a shorter one of another rod so that both fit.
    bool swapToFit(size_t overlong, std::vector<Rod>& rods) const {
        Rod& a = rods[overlong];
        for (size_t other = 0; other < rods.size(); ++other) {
            Rod& b = rods[other];
            if (other == overlong) continue;
            for (size_t x = 0; x < a.counts.size(); ++x) {
                if (a.counts[x] == 0) continue;
                for (size_t y = 0; y < b.counts.size(); ++y) {
                    const double gain = shares_.shares[x] - shares_.shares[y];
                    if (b.counts[y] == 0 || gain <= 0 || !sharesHold(a, -gain) ||
                        !sharesHold(b, gain))
                        continue;
                    Rod swappedA = a, swappedB = b;
                    --swappedA.counts[x], ++swappedA.counts[y];
                    --swappedB.counts[y], ++swappedB.counts[x];
                    sequence(swappedA);
                    if (!fits(swappedA)) continue;
                    sequence(swappedB);
                    if (!fits(swappedB)) continue;
                    a = std::move(swappedA);
                    b = std::move(swappedB);
                    return true;
                }
            }
        }
        return false;
    }

    // Takes pieces off a rod too short for them in reality, the shortest first.
    void relieve(Rod& rod, std::vector<int>& moved) const {
        for (; !fits(rod); sequence(rod)) {
            int shortest = -1;
            for (size_t kind = 0; kind < rod.counts.size(); ++kind)
                if (rod.counts[kind] > 0 &&
                    (shortest < 0 || mean(static_cast<int>(kind)) < mean(shortest)))
                    shortest = static_cast<int>(kind);
            --rod.counts[static_cast<size_t>(shortest)];
            moved.push_back(shortest);
        }
    }

    // The first rod that holds one more piece of the kind, or a new rod: of the rod length, or
    // the cheapest stock row with a rod left that holds it.
    bool placeElsewhere(int kind, std::vector<Rod>& rods) const {
        for (Rod& rod : rods) {
            ++rod.counts[static_cast<size_t>(kind)];
            const RodSequence before = rod.sequence;
            sequence(rod);
            if (fits(rod)) return true;
            --rod.counts[static_cast<size_t>(kind)];
            rod.sequence = before;
        }
        Rod rod{-1, std::vector<int>(job_.shapes.size(), 0), {}};
        rod.counts[static_cast<size_t>(kind)] = 1;
        sequence(rod);
        if (!stock_.empty()) rod.stockItem = cheapestHolding(rod, rods);
        if (rod.stockItem < 0 && !stock_.empty()) return false;
        rods.push_back(std::move(rod));
        return true;
    }

    int32_t cheapestHolding(Rod rod, const std::vector<Rod>& rods) const {
        int32_t best = -1;
        for (size_t i = 0; i < stock_.items.size(); ++i) {
            const StockItem& item = stock_.items[i];
            rod.stockItem = static_cast<int32_t>(i);
            if (!fits(rod)) continue;
            if (item.quantity) {
                const auto taken = std::count_if(rods.begin(), rods.end(), [&](const Rod& r) {
                    return r.stockItem == static_cast<int32_t>(i);
                });
                if (taken >= *item.quantity) continue;
            }
            const auto cost = [&](size_t at) {
                return std::make_pair(priceOfRod(stock_, stock_.items[at]),
                                      stock_.items[at].length);
            };
            if (best < 0 || cost(i) < cost(static_cast<size_t>(best)))
                best = static_cast<int32_t>(i);
        }
        return best;
    }

    const MitreJob& job_;
    const RodShares& shares_;
    const JobParameters& parameters_;
    const StockList& stock_;
};

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
    const auto first = squareJob(job, shares, parameters, stock, 0, false);
    const PlanResult square =
        runMethod(first->pieces, first->parameters, choice, observer, stop, first->stock);
    if (square.plan.status != RunStatus::Finished)
        return unplanned(square, job, *first, parameters);
    RodFitter fitter(job, shares, parameters, stock);
    std::optional<PlanResult> best;
    if (const auto rods = fitter.rodsOf(square.plan, *first))
        best = resultOf(*rods, job, parameters, stock);
    StopOnly quiet(observer);
    for (const int shorter : kShortenings) {
        if ((best && proven(*best, square)) || stop.load(std::memory_order_relaxed)) break;
        const double spent =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        MethodChoice again = choice;
        again.timeLimitSeconds = static_cast<int16_t>(choice.timeLimitSeconds - spent);
        if (again.timeLimitSeconds < 1) break;
        const auto tighter = squareJob(job, shares, parameters, stock, shorter, true);
        const PlanResult retry =
            runMethod(tighter->pieces, tighter->parameters, again, quiet, stop, tighter->stock);
        if (retry.plan.status != RunStatus::Finished) continue;
        if (const auto rods = fitter.rodsOf(retry.plan, *tighter)) {
            PlanResult plan = resultOf(*rods, job, parameters, stock);
            // Its plan kept as it was and proven for its job, which holds less on shorter rods.
            const bool unbeatable = retry.optimal && !better(retry, plan) && !better(plan, retry);
            if (!best || better(plan, *best)) best = std::move(plan);
            if (unbeatable) break;
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
