#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/RodPattern.h"
#include "model/StockList.h"

namespace marlo {

// Where an offcut came from: the job whose plan left it.
struct OffcutOrigin {
    std::string jobFile;
    std::string customer;
    std::string date;  // YYYY-MM-DD
    int pattern = 0;   // the pattern's sequence number; 0 when not known (imported)

    bool operator==(const OffcutOrigin&) const = default;
};

// The origin as one line: "frames.opt, ACME, 2026-12-08 #2".
std::string originText(const OffcutOrigin& origin);

// One offcut as the store keeps it.
struct StoredOffcut {
    std::string id;
    int16_t length = 0;
    std::optional<double> price;
    OffcutOrigin origin;

    bool operator==(const StoredOffcut&) const = default;
};

// A material's stock as a plan reads it. `list` holds the stock rows (kind Rod) and then the
// offcuts (kind Offcut, quantity 1, their identifiers); rowKeys[i] names list.items[i] in the
// store, so that a booking finds the very row the plan used.
struct MaterialStock {
    std::string material;
    StockList list;
    std::vector<int64_t> rowKeys;
    std::vector<OffcutOrigin> origins;  // per item; empty origins for stock rows
    int16_t minimumOffcutLength = 0;
};

// What a plan takes from a material's stock and what it leaves.
struct RodsTaken {
    int64_t rowKey = 0;  // MaterialStock::rowKeys of the row
    int16_t length = 0;  // for messages
    int32_t count = 0;
};
struct Leftover {
    int16_t length = 0;
    int pattern = 0;  // sequence number of the pattern that leaves it
};
struct StockUsage {
    std::string material;
    std::vector<RodsTaken> rods;
    std::vector<std::string> offcuts;  // identifiers
    std::vector<Leftover> leftovers;   // every rod's remnant; the store keeps the usable ones
    OffcutOrigin origin;               // job file, customer and date of the new offcuts
};

// The usage of a plan made from `stock`: the rods of each pattern taken from the stock row its
// stockItem names (an offcut row gives its one offcut), and each rod's positive waste as a
// leftover of its pattern.
StockUsage usageOfPlan(const MaterialStock& stock, const PatternTable& patterns,
                       const OffcutOrigin& origin);

}  // namespace marlo
