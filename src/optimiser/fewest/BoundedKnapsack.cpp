#include "optimiser/fewest/BoundedKnapsack.h"

#include <algorithm>
#include <cstdint>

namespace marlo::fewest {

namespace {

// Copies of one type taken together: the bounded choice splits into 1, 2, 4, ... copies and a
// rest, a set of yes/no choices that can form every count up to the bound.
struct Bundle {
    size_t type;
    int32_t copies;
    int32_t weight;
    double value;
};

}  // namespace

KnapsackSolution mostValuablePattern(const Instance& instance, const std::vector<double>& values,
                                     const std::vector<int32_t>& bounds, const Deadline& deadline) {
    std::vector<KnapsackSolution> solutions =
        mostValuablePatterns(instance, values, bounds, {instance.capacity}, deadline);
    return solutions.empty() ? KnapsackSolution{} : std::move(solutions.front());
}

std::vector<KnapsackSolution> mostValuablePatterns(const Instance& instance,
                                                   const std::vector<double>& values,
                                                   const std::vector<int32_t>& bounds,
                                                   const std::vector<int32_t>& capacities,
                                                   const Deadline& deadline) {
    const int32_t capacity = *std::max_element(capacities.begin(), capacities.end());
    std::vector<Bundle> bundles;
    for (size_t t = 0; t < instance.types.size(); ++t) {
        const int32_t w = instance.types[t].weight;
        if (values[t] <= 0.0 || bounds[t] <= 0 || w > capacity) continue;
        int32_t left = std::min(bounds[t], capacity / w);
        for (int32_t copies = 1; left > 0; copies *= 2) {
            const int32_t take = std::min(copies, left);
            bundles.push_back({t, take, take * w, take * values[t]});
            left -= take;
        }
    }

    const size_t width = static_cast<size_t>(capacity) + 1;
    std::vector<double> best(width, 0.0);
    // One bit per bundle and capacity: whether the bundle improved that capacity.
    const size_t words = (width + 63) / 64;
    std::vector<uint64_t> taken(bundles.size() * words, 0);
    for (size_t b = 0; b < bundles.size(); ++b) {
        // A long list has thousands of bundles over a long rod: seconds in all.
        if (deadline.passed()) return {};
        const Bundle& bundle = bundles[b];
        uint64_t* row = taken.data() + b * words;
        for (int32_t c = capacity; c >= bundle.weight; --c) {
            const double with = best[static_cast<size_t>(c - bundle.weight)] + bundle.value;
            if (with > best[static_cast<size_t>(c)] + 1e-12) {
                best[static_cast<size_t>(c)] = with;
                row[static_cast<size_t>(c) / 64] |= uint64_t{1} << (c % 64);
            }
        }
    }

    // The table holds the best value of every smaller capacity too: each is read back from it.
    std::vector<KnapsackSolution> solutions;
    for (int32_t c : capacities) {
        KnapsackSolution& solution = solutions.emplace_back();
        solution.value = best[static_cast<size_t>(c)];
        for (size_t b = bundles.size(); b-- > 0;) {
            if ((taken[b * words + static_cast<size_t>(c) / 64] >> (c % 64)) & 1) {
                addPieces(solution.pattern, static_cast<int32_t>(bundles[b].type),
                          bundles[b].copies);
                c -= bundles[b].weight;
            }
        }
    }
    return solutions;
}

}  // namespace marlo::fewest
