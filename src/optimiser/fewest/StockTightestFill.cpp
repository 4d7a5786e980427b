#include "optimiser/fewest/StockTightestFill.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace marlo::fewest {

namespace {

// Pieces of one type taken together: counts split in powers of two keep the sums few.
struct Bundle {
    int32_t type;
    int32_t count;
    int32_t weight;  // of all its pieces
};

// Every sum of bundles within a capacity, each remembering the bundle that first reached it, so
// that the pieces of any reached sum can be read back.
class SubsetSums {
  public:
    SubsetSums(std::vector<Bundle> bundles, int32_t capacity)
        : bundles_(std::move(bundles)),
          reachedBy_(static_cast<size_t>(capacity) + 1, kUnreached),
          fullest_(static_cast<size_t>(capacity) + 1, 0) {
        const size_t words = static_cast<size_t>(capacity) / 64 + 1;
        std::vector<uint64_t> reached(words, 0);
        std::vector<uint64_t> shifted(words);
        reached[0] = 1;
        for (size_t b = 0; b < bundles_.size(); ++b) {
            shiftLeft(reached, static_cast<size_t>(bundles_[b].weight), shifted);
            for (size_t w = 0; w < words; ++w) {
                uint64_t fresh = shifted[w] & ~reached[w];
                reached[w] |= fresh;
                for (; fresh != 0; fresh &= fresh - 1) {
                    const size_t sum = w * 64 + static_cast<size_t>(__builtin_ctzll(fresh));
                    if (sum < reachedBy_.size()) reachedBy_[sum] = static_cast<int32_t>(b);
                }
            }
        }
        for (size_t sum = 1; sum < fullest_.size(); ++sum)
            fullest_[sum] =
                reachedBy_[sum] != kUnreached ? static_cast<int32_t>(sum) : fullest_[sum - 1];
    }

    // The largest sum within `capacity` (at most the one the sums were made for).
    int32_t fullestWithin(int32_t capacity) const {
        return fullest_[static_cast<size_t>(capacity)];
    }

    void addPiecesOf(int32_t sum, Pattern& pattern) const {
        while (sum > 0) {
            const Bundle& bundle =
                bundles_[static_cast<size_t>(reachedBy_[static_cast<size_t>(sum)])];
            addPieces(pattern, bundle.type, bundle.count);
            sum -= bundle.weight;
        }
    }

  private:
    static constexpr int32_t kUnreached = -1;

    static void shiftLeft(const std::vector<uint64_t>& bits, size_t shift,
                          std::vector<uint64_t>& into) {
        const size_t wordShift = shift / 64;
        const size_t bitShift = shift % 64;
        std::fill(into.begin(), into.end(), 0);
        for (size_t w = bits.size(); w-- > wordShift;) {
            into[w] = bits[w - wordShift] << bitShift;
            if (bitShift != 0 && w > wordShift)
                into[w] |= bits[w - wordShift - 1] >> (64 - bitShift);
        }
    }

    std::vector<Bundle> bundles_;
    std::vector<int32_t> reachedBy_;
    std::vector<int32_t> fullest_;  // per capacity: the largest reached sum within it
};

// The pieces left beside one of type `taken`, as bundles, as many of each type as `room` holds.
std::vector<Bundle> bundlesOf(const StockInstance& instance, const std::vector<int32_t>& left,
                              int32_t taken, int32_t room) {
    std::vector<Bundle> bundles;
    for (size_t t = 0; t < instance.types.size(); ++t) {
        const int32_t w = instance.types[t].weight;
        int32_t count = std::min(left[t] - (static_cast<int32_t>(t) == taken ? 1 : 0), room / w);
        for (int32_t size = 1; count > 0; size *= 2) {
            const int32_t n = std::min(size, count);
            bundles.push_back({static_cast<int32_t>(t), n, n * w});
            count -= n;
        }
    }
    return bundles;
}

// The longest piece left that a rod of `capacity` holds.
std::optional<int32_t> longestFitting(const StockInstance& instance,
                                      const std::vector<int32_t>& left, int32_t capacity) {
    for (size_t t = 0; t < instance.types.size(); ++t)
        if (left[t] > 0 && instance.types[t].weight <= capacity) return static_cast<int32_t>(t);
    return std::nullopt;
}

struct RodFill {
    size_t bin = 0;
    int32_t longest = 0;  // the type it holds first
    int32_t rest = 0;     // the load of the pieces beside it
    int64_t load = 0;
};

// Less cost per unit of load first; of equal cost (free rods), the fuller rod.
bool cheaperPerLoad(const StockInstance& instance, const RodFill& a, const RodFill& b) {
    const double left = instance.bins[a.bin].price * static_cast<double>(b.load);
    const double right = instance.bins[b.bin].price * static_cast<double>(a.load);
    if (left != right) return left < right;
    return instance.bins[a.bin].instance.capacity - a.load <
           instance.bins[b.bin].instance.capacity - b.load;
}

}  // namespace

StockPacking tightestFill(const StockInstance& instance, const std::vector<int32_t>& demand,
                          const std::vector<int32_t>& available) {
    std::vector<int32_t> left = demand;
    std::vector<int32_t> rods = available;
    StockPacking packing;
    while (true) {
        int32_t largest = 0;
        for (size_t b = 0; b < instance.bins.size(); ++b)
            if (rods[b] > 0) largest = std::max(largest, instance.bins[b].instance.capacity);
        // Bins whose longest piece is the same share the sums of the pieces beside it.
        std::map<int32_t, SubsetSums> besideLongest;
        std::optional<RodFill> best;
        for (size_t b = 0; b < instance.bins.size(); ++b) {
            if (rods[b] == 0) continue;
            const int32_t capacity = instance.bins[b].instance.capacity;
            const std::optional<int32_t> longest = longestFitting(instance, left, capacity);
            if (!longest) continue;
            const int32_t weight = instance.types[static_cast<size_t>(*longest)].weight;
            auto sums = besideLongest.find(*longest);
            if (sums == besideLongest.end()) {
                const int32_t room = largest - weight;
                sums = besideLongest
                           .emplace(*longest,
                                    SubsetSums(bundlesOf(instance, left, *longest, room), room))
                           .first;
            }
            const int32_t rest = sums->second.fullestWithin(capacity - weight);
            const RodFill fill{b, *longest, rest, static_cast<int64_t>(weight) + rest};
            if (!best || cheaperPerLoad(instance, fill, *best)) best = fill;
        }
        if (!best) break;
        --rods[best->bin];
        Pattern pattern;
        addPieces(pattern, best->longest, 1);
        besideLongest.at(best->longest).addPiecesOf(best->rest, pattern);
        for (const PatternEntry& e : pattern) left[static_cast<size_t>(e.type)] -= e.count;
        packing.add({best->bin, pattern}, 1);
    }
    packing.uncut = left;
    return packing;
}

}  // namespace marlo::fewest
