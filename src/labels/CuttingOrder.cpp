#include "labels/CuttingOrder.h"

#include <algorithm>
#include <numeric>

#include "labels/PatternStock.h"

namespace marlo {

std::vector<int> cuttingOrder(const PatternTable& patterns, const JobParameters& parameters,
                              const StockList& stock) {
    std::vector<int> order(static_cast<size_t>(patterns.count()));
    std::iota(order.begin(), order.end(), 0);
    const auto stockLength = [&](int index) {
        return patternStock(patterns[index], parameters, stock).length;
    };
    const auto firstCut = [&](int index) {
        const RodPattern& pattern = patterns[index];
        return pattern.pieceCount > 0 ? pattern.lengths[0] : int16_t{0};
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (stockLength(a) != stockLength(b)) return stockLength(a) > stockLength(b);
        return firstCut(a) > firstCut(b);
    });
    return order;
}

}  // namespace marlo
