#include "optimiser/fewest/StockFirstFit.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <utility>

namespace marlo::fewest {

namespace {

struct OpenRod {
    size_t bin;
    Pattern pattern;
    int32_t load;
};

// The bins with rods left, to find the cheapest that holds a load in logarithmic time: a stock of
// thousands of offcuts has as many bins, and a plan opens hundreds of rods. A tree of minima over
// the bins in the order of their capacity holds each bin's key (its price per unit of capacity or
// its own price) while it has rods left; of equal keys the first bin is the cheapest.
class CheapestBins {
  public:
    enum class Order { PricePerLength, Price };

    CheapestBins(const StockInstance& instance, std::vector<int32_t> left, Order order)
        : left_(std::move(left)),
          keys_(instance.bins.size()),
          byCapacity_(instance.bins.size()),
          place_(instance.bins.size()),
          tree_(2 * instance.bins.size(), kNone) {
        for (size_t b = 0; b < keys_.size(); ++b) {
            const StockBin& bin = instance.bins[b];
            keys_[b] = {order == Order::Price ? bin.price : bin.price / bin.instance.capacity, b};
        }
        std::iota(byCapacity_.begin(), byCapacity_.end(), size_t{0});
        std::stable_sort(byCapacity_.begin(), byCapacity_.end(), [&instance](size_t a, size_t b) {
            return instance.bins[a].instance.capacity < instance.bins[b].instance.capacity;
        });
        const size_t n = byCapacity_.size();
        for (size_t i = 0; i < n; ++i) {
            const size_t b = byCapacity_[i];
            capacities_.push_back(instance.bins[b].instance.capacity);
            place_[b] = i;
            tree_[n + i] = leafOf(b);
        }
        for (size_t node = n; node-- > 1;)
            tree_[node] = std::min(tree_[2 * node], tree_[2 * node + 1]);
    }

    // The cheapest bin with rods left whose capacity holds `load`; none when no bin does.
    std::optional<size_t> holding(int32_t load) const {
        const size_t n = byCapacity_.size();
        size_t from =
            static_cast<size_t>(std::lower_bound(capacities_.begin(), capacities_.end(), load) -
                                capacities_.begin()) +
            n;
        size_t to = 2 * n;
        Key cheapest = kNone;
        for (; from < to; from /= 2, to /= 2) {
            if (from % 2 == 1) cheapest = std::min(cheapest, tree_[from++]);
            if (to % 2 == 1) cheapest = std::min(cheapest, tree_[--to]);
        }
        if (cheapest == kNone) return std::nullopt;
        return cheapest.second;
    }

    void take(size_t bin) { change(bin, -1); }
    void putBack(size_t bin) { change(bin, +1); }
    const std::vector<int32_t>& left() const { return left_; }

  private:
    using Key = std::pair<double, size_t>;
    static constexpr Key kNone{std::numeric_limits<double>::infinity(),
                               std::numeric_limits<size_t>::max()};

    void change(size_t bin, int32_t rods) {
        left_[bin] += rods;
        refresh(bin);
    }

    Key leafOf(size_t bin) const { return left_[bin] > 0 ? keys_[bin] : kNone; }

    void refresh(size_t bin) {
        size_t node = place_[bin] + byCapacity_.size();
        tree_[node] = leafOf(bin);
        for (node /= 2; node >= 1; node /= 2)
            tree_[node] = std::min(tree_[2 * node], tree_[2 * node + 1]);
    }

    std::vector<int32_t> left_;
    std::vector<Key> keys_;            // per bin
    std::vector<size_t> byCapacity_;   // the bins, least capacity first
    std::vector<int32_t> capacities_;  // their capacities in that order
    std::vector<size_t> place_;        // per bin: its place in that order
    std::vector<Key> tree_;            // node i holds the least of nodes 2i and 2i + 1
};

}  // namespace

StockPacking cheapestFirstFit(const StockInstance& instance, const std::vector<int32_t>& demand,
                              const std::vector<int32_t>& available) {
    CheapestBins perCapacity(instance, available, CheapestBins::Order::PricePerLength);
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
                const std::optional<size_t> bin = perCapacity.holding(w);
                if (!bin) {
                    ++packing.uncut[t];
                    continue;
                }
                perCapacity.take(*bin);
                into = &rods.emplace_back(OpenRod{*bin, Pattern{}, 0});
            }
            addPieces(into->pattern, static_cast<int32_t>(t), 1);
            into->load += w;
        }
    }
    CheapestBins perPrice(instance, perCapacity.left(), CheapestBins::Order::Price);
    for (OpenRod& rod : rods) {
        perPrice.putBack(rod.bin);
        rod.bin = *perPrice.holding(rod.load);
        perPrice.take(rod.bin);
        packing.add({rod.bin, rod.pattern}, 1);
    }
    return packing;
}

}  // namespace marlo::fewest
