#pragma once

#include <array>
#include <cstdint>

namespace marlo {

// One distinct way of cutting a rod, with the number of rods cut that way.
struct RodPattern {
    static constexpr int kMaxPieces = 97;

    int16_t sequence = 0;  // 1-based number after the run has finished
    int16_t rods = 0;
    int16_t waste = 0;  // positive: remnant; 0 or negative: no remnant (minus a sliver)
    int16_t pieceCount = 0;
    std::array<int16_t, kMaxPieces> lengths{};  // lengths[0 .. pieceCount-1], longest first

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

// Up to 50 patterns, in the order of the result.
class PatternTable {
  public:
    static constexpr int kCapacity = 50;

    int count() const { return count_; }
    bool full() const { return count_ == kCapacity; }
    const RodPattern& operator[](int index) const { return patterns_[index]; }  // 0-based
    RodPattern& operator[](int index) { return patterns_[index]; }
    const RodPattern* begin() const { return patterns_.data(); }
    const RodPattern* end() const { return patterns_.data() + count_; }

    void clear() { count_ = 0; }
    RodPattern& append() { return patterns_[count_++]; }

    // Largest piece count among the patterns: the number of dimension columns of the result.
    int maxPieceCount() const {
        int most = 0;
        for (const RodPattern& p : *this) most = p.pieceCount > most ? p.pieceCount : most;
        return most;
    }

  private:
    std::array<RodPattern, kCapacity> patterns_{};
    int count_ = 0;
};

}  // namespace marlo
