#include "optimiser/StockTotals.h"

#include <algorithm>
#include <functional>

namespace marlo {

const StockItem* stockOf(const RodPattern& pattern, const StockList& stock) {
    if (pattern.stockItem < 0 || pattern.stockItem >= static_cast<int>(stock.items.size()))
        return nullptr;
    return &stock.items[static_cast<size_t>(pattern.stockItem)];
}

int16_t longestUsableLength(const JobParameters& parameters, const StockList& stock) {
    if (stock.empty()) return usableLength(parameters, parameters.rodLength);
    int16_t longest = 0;
    for (const StockItem& item : stock.items)
        if (!item.quantity || *item.quantity > 0)
            longest = std::max(longest, usableLength(parameters, item.length));
    return longest;
}

StockTotals stockTotals(std::span<const RodPattern> patterns, const StockList& stock) {
    StockTotals totals;
    for (const RodPattern& pattern : patterns) {
        const StockItem* item = stockOf(pattern, stock);
        if (item == nullptr) continue;
        totals.price += priceOfRod(stock, *item) * pattern.rods;
        totals.material += static_cast<int64_t>(item->length) * pattern.rods;
        if (pattern.waste > 0)
            totals.leftovers.insert(totals.leftovers.end(), pattern.rods, pattern.waste);
    }
    return totals;
}

std::string stockLengthsText(std::span<const RodPattern> patterns, const StockList& stock) {
    std::vector<int16_t> lengths;
    for (const RodPattern& pattern : patterns)
        if (const StockItem* item = stockOf(pattern, stock)) lengths.push_back(item->length);
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    std::string text;
    for (int16_t length : lengths) text += (text.empty() ? "" : "/") + std::to_string(length);
    return text;
}

std::optional<double> planEfficiency(const PlanSummary& totals, const JobParameters& parameters,
                                     std::span<const RodPattern> patterns, const StockList& stock) {
    PlanSummary withTrim = totals;
    withTrim.totalWaste += 2 * (parameters.trim > 0 ? parameters.trim : 0) * totals.rodCount;
    if (stock.empty()) return efficiency(withTrim, parameters.rodLength);
    const int64_t material = stockTotals(patterns, stock).material;
    if (totals.rodCount == 0 || material == 0) return std::nullopt;
    return (1.0 - (withTrim.totalWaste / 1000.0) / (material / 1000.0)) * 100.0;
}

}  // namespace marlo
