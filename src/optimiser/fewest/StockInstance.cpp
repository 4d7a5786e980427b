#include "optimiser/fewest/StockInstance.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "optimiser/StockTotals.h"

namespace marlo::fewest {

namespace {

constexpr double kPriceScale = 10000.0;  // prices are compared in ten-thousandths
constexpr double kTolerance = 1e-6;
constexpr int64_t kMostPriceSteps = 8 * 1024 * 1024;
constexpr size_t kMostChoicesListed = 20000;
constexpr int64_t kMostChoiceVisits = 2000000;

bool hasRods(const StockItem& item) {
    return !item.quantity || *item.quantity > 0;
}

double priceStepOf(const std::vector<StockBin>& bins) {
    int64_t step = 0;
    for (const StockBin& bin : bins) {
        const double scaled = bin.price * kPriceScale;
        if (std::abs(scaled - std::round(scaled)) > kTolerance) return 0.0;
        step = std::gcd(step, static_cast<int64_t>(std::llround(std::abs(scaled))));
    }
    return static_cast<double>(step) / kPriceScale;
}

}  // namespace

void StockPacking::add(const StockColumn& column, int32_t count) {
    addRods(columns, rods, column, count);
}

int StockPacking::rodCount() const {
    return std::accumulate(rods.begin(), rods.end(), 0);
}

bool StockPacking::complete() const {
    return std::all_of(uncut.begin(), uncut.end(), [](int32_t n) { return n == 0; });
}

StockInstance stockInstanceOf(const PieceList& pieces, const JobParameters& parameters,
                              const StockList& stock) {
    JobParameters longest = parameters;
    longest.rodLength = longestUsableLength(parameters, stock);
    const Instance job = instanceOf(pieces, longest);
    const int32_t cut = std::max<int32_t>(parameters.cutThickness, 0);
    StockInstance instance;
    instance.types = job.types;
    instance.pieceCount = job.pieceCount;
    instance.mostPiecesPerRod = job.mostPiecesPerRod;
    const int32_t lightest = job.types.empty() ? 0 : job.types.back().weight;
    for (size_t row = 0; row < stock.items.size(); ++row) {
        const StockItem& item = stock.items[row];
        const int16_t usable = usableLength(parameters, item.length);
        const int32_t capacity = (usable + cut) / job.unit;
        if (!hasRods(item) || usable <= 0 || capacity < lightest) continue;
        StockBin bin;
        bin.row = static_cast<int32_t>(row);
        bin.usable = usable;
        bin.instance = job;
        bin.instance.capacity = capacity;
        bin.price = priceOfRod(stock, item);
        bin.limited = item.quantity.has_value();
        bin.available = bin.limited ? std::min(*item.quantity, job.pieceCount) : job.pieceCount;
        instance.bins.push_back(std::move(bin));
    }
    instance.priceStep = priceStepOf(instance.bins);
    return instance;
}

StockPacking withoutSurplus(const StockInstance& instance, const StockPacking& packing) {
    const auto types = static_cast<int32_t>(instance.types.size());
    Instance wanted;
    wanted.types = instance.types;
    StockPacking result;
    std::vector<int64_t> held(instance.types.size(), 0);
    for (size_t c = 0; c < packing.columns.size(); ++c)
        for (const PatternEntry& e : packing.columns[c].pattern)
            held[static_cast<size_t>(e.type)] += static_cast<int64_t>(e.count) * packing.rods[c];
    for (size_t t = 0; t < instance.types.size(); ++t) {
        const auto uncut =
            static_cast<int32_t>(std::max<int64_t>(0, wanted.types[t].demand - held[t]));
        result.uncut.push_back(uncut);
        wanted.types[t].demand -= uncut;
    }
    // The bin rides along as a type of its own after the job's, wanted as often as it is held, so
    // that taking out pieces leaves it be.
    for (size_t b = 0; b < instance.bins.size(); ++b) wanted.types.push_back({0, 0, 0});
    Packing flat;
    for (size_t c = 0; c < packing.columns.size(); ++c) {
        Pattern pattern = packing.columns[c].pattern;
        const auto binType = types + static_cast<int32_t>(packing.columns[c].bin);
        addPieces(pattern, binType, 1);
        wanted.types[static_cast<size_t>(binType)].demand += packing.rods[c];
        flat.add(pattern, packing.rods[c]);
    }
    const Packing trimmed = fewest::withoutSurplus(wanted, flat);
    for (size_t p = 0; p < trimmed.patterns.size(); ++p) {
        Pattern pattern = trimmed.patterns[p];
        const auto bin = static_cast<size_t>(pattern.back().type - types);
        pattern.pop_back();
        if (pattern.empty()) continue;
        result.add({bin, pattern}, trimmed.rods[p]);
    }
    return result;
}

double priceOf(const StockInstance& instance, const StockPacking& packing) {
    double price = 0.0;
    for (size_t c = 0; c < packing.columns.size(); ++c)
        price += instance.bins[packing.columns[c].bin].price * packing.rods[c];
    return price;
}

double rodTieBreak(const StockInstance& instance) {
    const double step = instance.priceStep > 0.0 ? instance.priceStep : 1.0 / kPriceScale;
    return step / (2.0 * (instance.pieceCount + 1));
}

double costOf(const StockInstance& instance, const StockPacking& packing, double uncutPrice) {
    double uncut = 0.0;
    for (int32_t n : packing.uncut) uncut += n;
    return priceOf(instance, packing) + rodTieBreak(instance) * packing.rodCount() +
           uncutPrice * uncut;
}

double roundedUpPrice(const StockInstance& instance, double bound) {
    if (instance.priceStep <= 0.0 || bound <= 0.0) return std::max(bound, 0.0);
    const double step = instance.priceStep;
    const auto lowest = static_cast<int64_t>(std::ceil(bound / step - kTolerance));
    // Every plan's rods hold the pieces: their capacities add up to the pieces' weight at least.
    int64_t weight = 0;
    for (const ItemType& type : instance.types)
        weight += static_cast<int64_t>(type.weight) * type.demand;
    int64_t dearest = 0;
    int64_t free = 0;  // the capacity of the rods that cost nothing
    for (const StockBin& bin : instance.bins) {
        const int64_t price = std::llround(bin.price / step);
        dearest = std::max(dearest, price);
        if (price <= 0) free += static_cast<int64_t>(bin.available) * bin.instance.capacity;
    }
    const int64_t top = lowest + dearest;
    if (top > kMostPriceSteps || free >= weight) return static_cast<double>(lowest) * step;
    // The most capacity that rods costing exactly so many steps give (-1: no choice costs that),
    // at most the weight; then the cheapest price from `lowest` that holds the weight.
    const auto needed = static_cast<int32_t>(weight - free);
    std::vector<int32_t> most(static_cast<size_t>(top) + 1, -1);
    most[0] = 0;
    for (const StockBin& bin : instance.bins) {
        const int64_t price = std::llround(bin.price / step);
        if (price <= 0) continue;
        // Any count up to the rods available, as yes/no choices of 1, 2, 4, ... rods.
        int64_t left = std::min<int64_t>(bin.available, top / price + 1);
        for (int64_t rods = 1; left > 0; rods *= 2) {
            const int64_t take = std::min(rods, left);
            left -= take;
            const int64_t cost = take * price;
            const int64_t capacity = take * bin.instance.capacity;
            for (int64_t s = top; s >= cost; --s) {
                const int32_t before = most[static_cast<size_t>(s - cost)];
                if (before < 0) continue;
                const auto with =
                    static_cast<int32_t>(std::min<int64_t>(before + capacity, needed));
                most[static_cast<size_t>(s)] = std::max(most[static_cast<size_t>(s)], with);
            }
        }
    }
    for (int64_t s = lowest; s <= top; ++s)
        if (most[static_cast<size_t>(s)] >= needed) return static_cast<double>(s) * step;
    // No choice up to one rod above the bound holds the pieces: every plan costs more.
    return static_cast<double>(top + 1) * step;
}

std::vector<std::vector<int32_t>> rodChoicesPricedWithin(const StockInstance& instance,
                                                         double lowest, double below, size_t most) {
    int64_t weight = 0;
    for (const ItemType& type : instance.types)
        weight += static_cast<int64_t>(type.weight) * type.demand;
    std::vector<size_t> priced;
    std::vector<int32_t> rods(instance.bins.size(), 0);
    for (size_t b = 0; b < instance.bins.size(); ++b) {
        const StockBin& bin = instance.bins[b];
        if (bin.price > 0.0)
            priced.push_back(b);
        else
            rods[b] = bin.available;
    }
    for (size_t b = 0; b < instance.bins.size(); ++b)
        weight -= static_cast<int64_t>(rods[b]) * instance.bins[b].instance.capacity;
    const double slack = kTolerance * (1.0 + std::abs(below));
    struct Choice {
        double price;
        int64_t capacity;
        std::vector<int32_t> rods;
    };
    std::vector<Choice> found;
    bool tooMany = false;
    int64_t visits = 0;
    // Depth first over the priced bins: every count that keeps the price below `below`.
    const auto choose = [&](auto&& self, size_t depth, double price, int64_t capacity) -> void {
        // Many priced rows open more partial choices than any run can look at.
        if (tooMany || ++visits > kMostChoiceVisits) {
            tooMany = true;
            return;
        }
        if (depth == priced.size()) {
            if (price < lowest - slack || capacity < weight) return;
            if (found.size() == kMostChoicesListed) {
                tooMany = true;
                return;
            }
            found.push_back({price, capacity, rods});
            return;
        }
        const StockBin& bin = instance.bins[priced[depth]];
        // The last bin makes up the rest of the price at once.
        const int32_t first =
            depth + 1 < priced.size()
                ? 0
                : std::max(0,
                           static_cast<int32_t>(std::ceil((lowest - slack - price) / bin.price)));
        for (int32_t n = first; n <= bin.available && price + n * bin.price < below - slack; ++n) {
            rods[priced[depth]] = n;
            self(self, depth + 1, price + n * bin.price,
                 capacity + static_cast<int64_t>(n) * bin.instance.capacity);
        }
        rods[priced[depth]] = 0;
    };
    choose(choose, 0, 0.0, 0);
    if (tooMany) return {};
    // Of equal prices, the most capacity first: the most room to cut the pieces in.
    std::stable_sort(found.begin(), found.end(), [](const Choice& a, const Choice& b) {
        return a.price != b.price ? a.price < b.price : a.capacity > b.capacity;
    });
    std::vector<std::vector<int32_t>> choices;
    for (size_t c = 0; c < std::min(most, found.size()); ++c)
        choices.push_back(std::move(found[c].rods));
    return choices;
}

CuttingPlan cuttingPlanOf(const StockInstance& instance, const StockPacking& packing,
                          const JobParameters& parameters) {
    // The columns by bin, in the bins' order: one pass, as a stock of thousands of offcuts has
    // as many bins and a plan nearly as many columns.
    std::vector<size_t> byBin(packing.columns.size());
    std::iota(byBin.begin(), byBin.end(), size_t{0});
    std::stable_sort(byBin.begin(), byBin.end(), [&packing](size_t a, size_t b) {
        return packing.columns[a].bin < packing.columns[b].bin;
    });
    CuttingPlan plan;
    for (size_t first = 0; first < byBin.size();) {
        const size_t b = packing.columns[byBin[first]].bin;
        const StockBin& bin = instance.bins[b];
        Packing ofBin;
        for (; first < byBin.size() && packing.columns[byBin[first]].bin == b; ++first)
            ofBin.add(packing.columns[byBin[first]].pattern, packing.rods[byBin[first]]);
        if (ofBin.patterns.empty()) continue;
        JobParameters rod = parameters;
        rod.rodLength = bin.usable;
        rod.sortOutputByWaste = 0;
        for (RodPattern pattern : cuttingPlanOf(bin.instance, ofBin, rod).patterns) {
            pattern.stockItem = bin.row;
            bookRods(plan.summary, pattern.waste, pattern.rods);
            plan.patterns.append() = pattern;
        }
    }
    orderAndNumberPatterns(plan.patterns, parameters.sortOutputByWaste == 1);
    return plan;
}

}  // namespace marlo::fewest
