#include "stock/StockUsage.h"

#include <algorithm>

namespace marlo {

std::string originText(const OffcutOrigin& origin) {
    std::string text = origin.jobFile;
    for (const std::string& part : {origin.customer, origin.date})
        if (!part.empty()) text += (text.empty() ? "" : ", ") + part;
    if (origin.pattern > 0) text += " #" + std::to_string(origin.pattern);
    return text;
}

StockUsage usageOfPlan(const MaterialStock& stock, const PatternTable& patterns,
                       const OffcutOrigin& origin) {
    StockUsage usage;
    usage.material = stock.material;
    usage.origin = origin;
    for (const RodPattern& pattern : patterns) {
        if (pattern.stockItem >= 0 && pattern.stockItem < int(stock.list.items.size())) {
            const StockItem& item = stock.list.items[pattern.stockItem];
            if (item.kind == StockKind::Offcut) {
                // An offcut is one piece: a pattern of more rods asks for it again, which a
                // booking refuses.
                for (int rod = 0; rod < pattern.rods; ++rod) usage.offcuts.push_back(item.id);
            } else {
                const int64_t key = stock.rowKeys[pattern.stockItem];
                const auto same = std::find_if(usage.rods.begin(), usage.rods.end(),
                                               [&](const RodsTaken& r) { return r.rowKey == key; });
                if (same == usage.rods.end())
                    usage.rods.push_back({key, item.length, pattern.rods});
                else
                    same->count += pattern.rods;
            }
        }
        if (pattern.waste > 0)
            for (int rod = 0; rod < pattern.rods; ++rod)
                usage.leftovers.push_back({pattern.waste, pattern.sequence});
    }
    return usage;
}

}  // namespace marlo
