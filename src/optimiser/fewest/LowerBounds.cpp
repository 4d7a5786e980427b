#include "optimiser/fewest/LowerBounds.h"

#include <algorithm>
#include <vector>

namespace marlo::fewest {

namespace {

int64_t ceilDiv(int64_t a, int64_t b) {
    return a <= 0 ? 0 : (a + b - 1) / b;
}

}  // namespace

int continuousBound(const Instance& instance) {
    int64_t total = 0;
    for (const ItemType& type : instance.types) total += int64_t{type.weight} * type.demand;
    return static_cast<int>(ceilDiv(total, instance.capacity));
}

int martelloTothBound(const Instance& instance) {
    const int64_t c = instance.capacity;
    // The types are heaviest first, so each class of pieces below is a run of types: sums over
    // the first n types give every threshold's classes without going through the types again,
    // which a list of thousands of lengths needs.
    const size_t n = instance.types.size();
    std::vector<int64_t> pieces(n + 1, 0);
    std::vector<int64_t> weight(n + 1, 0);
    for (size_t t = 0; t < n; ++t) {
        const ItemType& type = instance.types[t];
        pieces[t + 1] = pieces[t] + type.demand;
        weight[t + 1] = weight[t] + int64_t{type.weight} * type.demand;
    }
    // The number of types for which `heavier` holds (the first ones).
    const auto typesWhere = [&](auto heavier) {
        return static_cast<size_t>(
            std::partition_point(instance.types.begin(), instance.types.end(), heavier) -
            instance.types.begin());
    };
    const size_t overHalf =
        typesWhere([c](const ItemType& t) { return 2 * int64_t{t.weight} > c; });
    // Only thresholds equal to a weight up to half the capacity change the bound, and 0.
    int64_t best = 0;
    const auto boundFor = [&](int64_t k) {
        const size_t large = typesWhere([&](const ItemType& t) { return t.weight > c - k; });
        const size_t small = typesWhere([&](const ItemType& t) { return t.weight >= k; });
        const int64_t medium = pieces[overHalf] - pieces[large];  // over c / 2, at most c - k
        const int64_t room = medium * c - (weight[overHalf] - weight[large]);
        const int64_t smallWeight = weight[small] - weight[overHalf];  // from k to c / 2
        best = std::max(best, pieces[large] + medium + ceilDiv(smallWeight - room, c));
    };
    boundFor(0);
    for (size_t t = overHalf; t < n; ++t) boundFor(instance.types[t].weight);
    return static_cast<int>(best);
}

}  // namespace marlo::fewest
