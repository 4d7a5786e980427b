#include "optimiser/fewest/StockFirstFit.h"

#include <limits>
#include <optional>

namespace marlo::fewest {

namespace {

struct OpenRod {
    size_t bin;
    Pattern pattern;
    int32_t load;
};

// The bin with rods left that holds `load` at the lowest price per unit of capacity (or of its
// own price, when `byPrice`); none when no bin does.
std::optional<size_t> cheapestBin(const StockInstance& instance, const std::vector<int32_t>& left,
                                  int32_t load, bool byPrice) {
    std::optional<size_t> cheapest;
    double lowest = std::numeric_limits<double>::infinity();
    for (size_t b = 0; b < instance.bins.size(); ++b) {
        const StockBin& bin = instance.bins[b];
        if (left[b] == 0 || bin.instance.capacity < load) continue;
        const double price = byPrice ? bin.price : bin.price / bin.instance.capacity;
        if (price < lowest) {
            lowest = price;
            cheapest = b;
        }
    }
    return cheapest;
}

}  // namespace

StockPacking cheapestFirstFit(const StockInstance& instance, const std::vector<int32_t>& demand,
                              const std::vector<int32_t>& available) {
    std::vector<int32_t> left = available;
    std::vector<OpenRod> rods;
    StockPacking packing;
    packing.uncut.assign(instance.types.size(), 0);
    for (size_t t = 0; t < instance.types.size(); ++t) {
        const int32_t w = instance.types[t].weight;
        for (int32_t piece = 0; piece < demand[t]; ++piece) {
            OpenRod* into = nullptr;
            for (OpenRod& rod : rods) {
                if (rod.load + w <= instance.bins[rod.bin].instance.capacity) {
                    into = &rod;
                    break;
                }
            }
            if (into == nullptr) {
                const std::optional<size_t> bin = cheapestBin(instance, left, w, false);
                if (!bin) {
                    ++packing.uncut[t];
                    continue;
                }
                --left[*bin];
                into = &rods.emplace_back(OpenRod{*bin, Pattern{}, 0});
            }
            addPieces(into->pattern, static_cast<int32_t>(t), 1);
            into->load += w;
        }
    }
    for (OpenRod& rod : rods) {
        ++left[rod.bin];
        rod.bin = *cheapestBin(instance, left, rod.load, true);
        --left[rod.bin];
        packing.add({rod.bin, rod.pattern}, 1);
    }
    return packing;
}

}  // namespace marlo::fewest
