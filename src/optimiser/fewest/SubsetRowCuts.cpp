#include "optimiser/fewest/SubsetRowCuts.h"

#include <algorithm>
#include <unordered_set>

namespace marlo::fewest {

namespace {

constexpr double kUsed = 1e-9;

uint64_t keyOf(const std::array<int32_t, 3>& types) {
    return (static_cast<uint64_t>(types[0]) << 42) | (static_cast<uint64_t>(types[1]) << 21) |
           static_cast<uint64_t>(types[2]);
}

}  // namespace

SubsetRowCut subsetRowCutOf(const Instance& instance, std::array<int32_t, 3> types) {
    std::sort(types.begin(), types.end());
    int32_t demand = 0;
    for (int32_t t : types) demand += instance.types[static_cast<size_t>(t)].demand;
    return {types, demand / 2};
}

int32_t cutCoefficient(const SubsetRowCut& cut, const Pattern& pattern) {
    int32_t held = 0;
    for (const PatternEntry& e : pattern)
        if (e.type == cut.types[0] || e.type == cut.types[1] || e.type == cut.types[2])
            held += e.count;
    return held / 2;
}

// A cut is violated only where rods hold two of its pieces: the triples are built from the pairs
// that a rod of the relaxation holds (two types, or two pieces of one) and a third type that
// shares a rod with one of them.
std::vector<SubsetRowCut> violatedSubsetRowCuts(const Instance& instance,
                                                const std::vector<Pattern>& patterns,
                                                const std::vector<double>& rods,
                                                const std::vector<SubsetRowCut>& known,
                                                double leastViolation, size_t most) {
    const size_t types = instance.types.size();
    std::vector<std::vector<size_t>> rodsHolding(types);
    std::vector<std::vector<int32_t>> neighbours(types);
    for (size_t p = 0; p < patterns.size(); ++p) {
        if (rods[p] <= kUsed) continue;
        for (const PatternEntry& e : patterns[p]) {
            rodsHolding[static_cast<size_t>(e.type)].push_back(p);
            for (const PatternEntry& other : patterns[p])
                if (other.type != e.type)
                    neighbours[static_cast<size_t>(e.type)].push_back(other.type);
        }
    }
    for (std::vector<int32_t>& list : neighbours) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }

    std::unordered_set<uint64_t> seen;
    for (const SubsetRowCut& cut : known) seen.insert(keyOf(cut.types));
    std::vector<std::pair<double, SubsetRowCut>> violated;
    const auto consider = [&](int32_t a, int32_t b, int32_t c) {
        if (a == b || b == c || a == c) return;
        const SubsetRowCut cut = subsetRowCutOf(instance, {a, b, c});
        if (!seen.insert(keyOf(cut.types)).second) return;
        std::vector<size_t> holding;
        for (int32_t t : cut.types) {
            const std::vector<size_t>& list = rodsHolding[static_cast<size_t>(t)];
            holding.insert(holding.end(), list.begin(), list.end());
        }
        std::sort(holding.begin(), holding.end());
        holding.erase(std::unique(holding.begin(), holding.end()), holding.end());
        double counted = 0.0;
        for (size_t p : holding) counted += cutCoefficient(cut, patterns[p]) * rods[p];
        const double violation = counted - cut.limit;
        if (violation >= leastViolation) violated.emplace_back(violation, cut);
    };
    for (size_t p = 0; p < patterns.size(); ++p) {
        if (rods[p] <= kUsed) continue;
        const Pattern& pattern = patterns[p];
        for (size_t i = 0; i < pattern.size(); ++i) {
            const int32_t a = pattern[i].type;
            const std::vector<int32_t>& nextToA = neighbours[static_cast<size_t>(a)];
            for (size_t j = i + 1; j < pattern.size(); ++j) {
                const int32_t b = pattern[j].type;
                for (int32_t c : nextToA) consider(a, b, c);
                for (int32_t c : neighbours[static_cast<size_t>(b)]) consider(a, b, c);
            }
            // Two pieces of one type: the other two types share rods with it.
            if (pattern[i].count < 2) continue;
            for (size_t c = 0; c < nextToA.size(); ++c)
                for (size_t d = c + 1; d < nextToA.size(); ++d) consider(a, nextToA[c], nextToA[d]);
        }
    }
    std::stable_sort(violated.begin(), violated.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });
    std::vector<SubsetRowCut> cuts;
    for (size_t i = 0; i < violated.size() && cuts.size() < most; ++i)
        cuts.push_back(violated[i].second);
    return cuts;
}

}  // namespace marlo::fewest
