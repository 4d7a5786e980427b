#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marlo {

// What a stock rod is: a new rod bought in, or an offcut left from an earlier job.
enum class StockKind { Rod, Offcut };

// One row of the workshop's stock: rods or offcuts of one length.
struct StockItem {
    int16_t length = 0;
    std::optional<int32_t> quantity;  // empty: unlimited
    std::optional<double> price;      // per rod; empty: derived from the list's price per metre
    StockKind kind = StockKind::Rod;
    std::string id;  // an offcut's identifier, e.g. "R-0042"; empty for new rods

    bool operator==(const StockItem&) const = default;
};

// The stock a run plans from. An empty list means the single rod length of the parameters,
// unlimited, as every run without a stock list.
struct StockList {
    std::vector<StockItem> items;
    double pricePerMetre = 1.0;
    // The stock store's material the list was read from, which the reports name; empty for a
    // list from a file.
    std::string material = {};

    bool empty() const { return items.empty(); }
    bool operator==(const StockList&) const = default;
};

// Whether the list has a rod or offcut to cut: a row that is unlimited or holds at least one.
inline bool holdsStock(const StockList& list) {
    for (const StockItem& item : list.items)
        if (!item.quantity || *item.quantity > 0) return true;
    return false;
}

// The price of one rod of this row: its own price, or its length in metres times the list's price
// per metre; an offcut without a price costs nothing, so offcuts are used first.
inline double priceOfRod(const StockList& list, const StockItem& item) {
    if (item.price) return *item.price;
    if (item.kind == StockKind::Offcut) return 0.0;
    return item.length / 1000.0 * list.pricePerMetre;
}

}  // namespace marlo
