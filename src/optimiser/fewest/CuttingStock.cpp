#include "optimiser/fewest/CuttingStock.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace marlo::fewest {

Instance instanceOf(const PieceList& pieces, const JobParameters& parameters) {
    // A negative cut would let a rod grow; the search treats it as 0, and so does this method.
    const int32_t cut = std::max<int32_t>(parameters.cutThickness, 0);
    Instance instance;
    instance.pieceCount = pieces.count();
    int32_t unit = 0;
    for (int i = 1; i <= pieces.count(); ++i) {
        const int16_t length = pieces.piece(i);
        if (instance.types.empty() || instance.types.back().length != length) {
            instance.types.push_back({length, length + cut, 0});
            unit = std::gcd(unit, length + cut);
        }
        ++instance.types.back().demand;
    }
    // Any whole number of units that does not exceed the capacity in mm is within it.
    instance.unit = std::max(unit, 1);
    instance.capacity = (parameters.rodLength + cut) / instance.unit;
    for (ItemType& type : instance.types) type.weight /= instance.unit;

    int32_t filled = 0;
    for (auto type = instance.types.rbegin(); type != instance.types.rend(); ++type) {
        const int32_t fit = std::min(type->demand, (instance.capacity - filled) / type->weight);
        instance.mostPiecesPerRod += fit;
        filled += fit * type->weight;
        if (fit < type->demand) break;
    }
    return instance;
}

void addPieces(Pattern& pattern, int32_t type, int32_t count) {
    if (count <= 0) return;
    // Pieces mostly come in ascending type order: then they go at the end.
    auto at = pattern.end();
    if (!pattern.empty() && pattern.back().type >= type)
        at = std::lower_bound(pattern.begin(), pattern.end(), type,
                              [](const PatternEntry& e, int32_t t) { return e.type < t; });
    if (at != pattern.end() && at->type == type) {
        at->count += count;
    } else {
        pattern.insert(at, {type, count});
    }
}

// As if the patterns were counts per type compared from the longest type on: the first type
// where they differ decides, and a pattern holding a type the other lacks holds more of it.
bool holdsLongerPieces(const Pattern& a, const Pattern& b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        if (a[i].type != b[i].type) return a[i].type < b[i].type;
        if (a[i].count != b[i].count) return a[i].count > b[i].count;
    }
    return a.size() > b.size();
}

int Packing::rodCount() const {
    return std::accumulate(rods.begin(), rods.end(), 0);
}

void Packing::add(const Pattern& pattern, int32_t count) {
    addRods(patterns, rods, pattern, count);
}

Packing combined(const Packing& a, const Packing& b) {
    Packing packing;
    std::map<Pattern, size_t> indexOf;
    for (const Packing* part : {&a, &b}) {
        for (size_t p = 0; p < part->patterns.size(); ++p) {
            if (part->rods[p] <= 0) continue;
            const auto [found, added] = indexOf.emplace(part->patterns[p], packing.patterns.size());
            if (added) {
                packing.patterns.push_back(part->patterns[p]);
                packing.rods.push_back(part->rods[p]);
            } else {
                packing.rods[found->second] += part->rods[p];
            }
        }
    }
    return packing;
}

int64_t spareCapacity(const Instance& instance, int rods) {
    int64_t pieces = 0;
    for (const ItemType& type : instance.types) pieces += int64_t{type.weight} * type.demand;
    return int64_t{rods} * instance.capacity - pieces;
}

bool coversDemand(const Instance& instance, const Packing& packing) {
    std::vector<int64_t> cut(instance.types.size(), 0);
    for (size_t p = 0; p < packing.patterns.size(); ++p)
        for (const PatternEntry& e : packing.patterns[p])
            cut[static_cast<size_t>(e.type)] += static_cast<int64_t>(e.count) * packing.rods[p];
    for (size_t t = 0; t < instance.types.size(); ++t)
        if (cut[t] < instance.types[t].demand) return false;
    return true;
}

Packing withoutSurplus(const Instance& instance, const Packing& packing) {
    // Every rod on its own, so that a surplus can be taken out of single rods. Rods of the
    // smallest groups give up their pieces first, which keeps the large groups whole.
    std::vector<size_t> order(packing.patterns.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return packing.rods[a] < packing.rods[b]; });
    std::vector<Pattern> rods;
    std::vector<size_t> firstRodOf(packing.patterns.size());
    for (size_t p : order) {
        firstRodOf[p] = rods.size();
        rods.insert(rods.end(), static_cast<size_t>(packing.rods[p]), packing.patterns[p]);
    }
    std::vector<int64_t> surplus(instance.types.size());
    for (size_t t = 0; t < instance.types.size(); ++t) surplus[t] = -instance.types[t].demand;
    for (const Pattern& rod : rods)
        for (const PatternEntry& e : rod) surplus[static_cast<size_t>(e.type)] += e.count;
    // Each type's surplus comes out of the first rods that hold it.
    for (Pattern& rod : rods) {
        for (PatternEntry& e : rod) {
            int64_t& left = surplus[static_cast<size_t>(e.type)];
            if (left <= 0) continue;
            const int32_t taken = static_cast<int32_t>(std::min<int64_t>(left, e.count));
            e.count -= taken;
            left -= taken;
        }
        std::erase_if(rod, [](const PatternEntry& e) { return e.count == 0; });
    }
    // Regroup in the order of the given patterns.
    std::vector<Pattern> byGivenOrder(rods.size());
    size_t next = 0;
    for (size_t p = 0; p < packing.patterns.size(); ++p) {
        for (int32_t r = 0; r < packing.rods[p]; ++r)
            byGivenOrder[next++] = rods[firstRodOf[p] + r];
    }
    return packingOfRods(byGivenOrder);
}

Packing packingOfRods(const std::vector<Pattern>& rods) {
    Packing packing;
    std::map<Pattern, size_t> indexOf;
    for (const Pattern& rod : rods) {
        if (rod.empty()) continue;
        const auto [found, added] = indexOf.emplace(rod, packing.patterns.size());
        if (added) {
            packing.patterns.push_back(rod);
            packing.rods.push_back(1);
        } else {
            ++packing.rods[found->second];
        }
    }
    return packing;
}

CuttingPlan cuttingPlanOf(const Instance& instance, const Packing& packing,
                          const JobParameters& parameters) {
    const int32_t cut = std::max<int32_t>(parameters.cutThickness, 0);
    // Patterns with more of the longer pieces first, as the search finds them: it starts every
    // rod with the longest piece left.
    std::vector<size_t> order(packing.patterns.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return holdsLongerPieces(packing.patterns[a], packing.patterns[b]);
    });
    CuttingPlan plan;
    for (size_t p : order) {
        RodPattern& pattern = plan.patterns.append();
        int32_t used = 0;
        for (const PatternEntry& e : packing.patterns[p]) {
            for (int32_t c = 0; c < e.count; ++c) {
                pattern.lengths[pattern.pieceCount++] = instance.types[e.type].length;
                used += instance.types[e.type].length + cut;
            }
        }
        pattern.waste = bookedWaste(parameters.rodLength - used, cut);
        pattern.rods = static_cast<int16_t>(packing.rods[p]);
        bookRods(plan.summary, pattern.waste, pattern.rods);
    }
    orderAndNumberPatterns(plan.patterns, parameters.sortOutputByWaste == 1);
    return plan;
}

}  // namespace marlo::fewest
