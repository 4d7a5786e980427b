#include "labels/PatternStock.h"

namespace marlo {

PatternStock patternStock(const RodPattern& pattern, const JobParameters& parameters,
                          const StockList& stock) {
    const int row = pattern.stockItem;
    if (row < 0 || row >= static_cast<int>(stock.items.size())) return {parameters.rodLength, {}};
    const StockItem& item = stock.items[static_cast<size_t>(row)];
    return {item.length, item.id};
}

}  // namespace marlo
