#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace marlo {

// One distinct way of cutting a rod, with the number of rods cut that way.
struct RodPattern {
    static constexpr int kMaxPieces = 97;

    int16_t sequence = 0;  // 1-based number after the run has finished
    int16_t rods = 0;
    int16_t waste = 0;  // positive: remnant; 0 or negative: no remnant (minus a sliver)
    int16_t pieceCount = 0;
    std::array<int16_t, kMaxPieces> lengths{};  // lengths[0 .. pieceCount-1], longest first
    // The stock row the rods are cut from (index into the run's StockList); -1 in a single-length
    // run, whose rods all have the parameters' rod length.
    int32_t stockItem = -1;

    // The pattern read as a column of the final result layout, rows 1-based:
    // 1 sequence, 2 rods, 3 waste, 4 piece count, 5 .. n + 4 the lengths.
    int16_t row(int i) const {
        switch (i) {
            case 1:
                return sequence;
            case 2:
                return rods;
            case 3:
                return waste;
            case 4:
                return pieceCount;
            default:
                return lengths[i - 5];
        }
    }
};

// The patterns of a result, in its order. The rod-by-rod search books at most kCapacity patterns
// (it stops at full()); the fewest-rods method may hold any number.
class PatternTable {
  public:
    static constexpr int kCapacity = 50;

    int count() const { return static_cast<int>(patterns_.size()); }
    bool full() const { return count() >= kCapacity; }
    const RodPattern& operator[](int index) const { return patterns_[index]; }  // 0-based
    RodPattern& operator[](int index) { return patterns_[index]; }
    const RodPattern* begin() const { return patterns_.data(); }
    const RodPattern* end() const { return patterns_.data() + patterns_.size(); }
    RodPattern* begin() { return patterns_.data(); }
    RodPattern* end() { return patterns_.data() + patterns_.size(); }

    void clear() { patterns_.clear(); }
    // A new pattern at the end; appending may move the patterns already held.
    RodPattern& append() { return patterns_.emplace_back(); }

    // Largest piece count among the patterns: the number of dimension columns of the result.
    int maxPieceCount() const {
        int most = 0;
        for (const RodPattern& p : *this) most = p.pieceCount > most ? p.pieceCount : most;
        return most;
    }

  private:
    std::vector<RodPattern> patterns_;
};

}  // namespace marlo
