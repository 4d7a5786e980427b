#include "mitre/RodFitter.h"

#include <algorithm>
#include <deque>
#include <map>

namespace marlo::mitre {

namespace {

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
            if (!sharesHold(rod, shares_.shares[static_cast<size_t>(kind)])) continue;
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

}  // namespace

std::optional<std::vector<Rod>> fitRods(const CuttingPlan& plan, const SquareJob& square,
                                        const MitreJob& job, const RodShares& shares,
                                        const JobParameters& parameters, const StockList& stock) {
    return RodFitter(job, shares, parameters, stock).rodsOf(plan, square);
}

}  // namespace marlo::mitre
