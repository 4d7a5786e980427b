#pragma once

#include <array>
#include <cstdint>

namespace marlo {

// The work array of single pieces, longest first. Entries are 1-based: piece(1) .. piece(count).
class PieceList {
  public:
    static constexpr int kCapacity = 20000;

    int16_t count() const { return count_; }
    int16_t initialCount() const { return initialCount_; }
    int16_t piece(int index) const { return pieces_[index]; }
    const int16_t* data() const { return pieces_.data(); }  // data()[1] is the first piece
    int16_t* data() { return pieces_.data(); }

    void clear() { count_ = 0; }
    // Appends one piece; the caller keeps the count within kCapacity.
    void append(int16_t length) { pieces_[++count_] = length; }
    void setCount(int16_t count) { count_ = count; }
    void setInitialCount(int16_t count) { initialCount_ = count; }

  private:
    std::array<int16_t, kCapacity + 2> pieces_{};  // index 0 unused, one spare sentinel slot
    int16_t count_ = 0;
    int16_t initialCount_ = 0;
};

}  // namespace marlo
