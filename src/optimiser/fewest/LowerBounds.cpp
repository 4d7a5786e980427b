#include "optimiser/fewest/LowerBounds.h"

#include <algorithm>

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
    // Only thresholds equal to a weight up to half the capacity change the bound, and 0.
    std::vector<int64_t> thresholds{0};
    for (const ItemType& type : instance.types)
        if (2 * int64_t{type.weight} <= c) thresholds.push_back(type.weight);
    int64_t best = 0;
    for (int64_t k : thresholds) {
        int64_t large = 0;   // heavier than c - k
        int64_t medium = 0;  // heavier than c / 2, at most c - k
        int64_t mediumWeight = 0;
        int64_t smallWeight = 0;  // from k to c / 2
        for (const ItemType& type : instance.types) {
            const int64_t w = type.weight;
            if (w > c - k) {
                large += type.demand;
            } else if (2 * w > c) {
                medium += type.demand;
                mediumWeight += w * type.demand;
            } else if (w >= k) {
                smallWeight += w * type.demand;
            }
        }
        const int64_t room = medium * c - mediumWeight;
        best = std::max(best, large + medium + ceilDiv(smallWeight - room, c));
    }
    return static_cast<int>(best);
}

}  // namespace marlo::fewest
