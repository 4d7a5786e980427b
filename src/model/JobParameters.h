#pragma once

#include <cstdint>

namespace marlo {

// The parameters of every run. All lengths are whole millimetres.
struct JobParameters {
    int16_t rodLength = 6000;
    int16_t cutThickness = 6;
    int16_t minWasteDimension = 200;  // lower edge of the waste band (exclusive)
    int16_t maxWasteDimension = 500;  // upper edge of the waste band (exclusive)
    int16_t wasteBordersMode = 1;     // 0: a waste inside the band gives way to one above it
    int16_t startMethod = 1;          // 0: smallest waste, 1: largest dimension
    int16_t sortOutputByWaste = 1;    // 1: patterns ordered by ascending waste
    int16_t trim = 0;  // cut off at each end of every rod to square it; usable: length - 2 × trim

    bool operator==(const JobParameters&) const = default;
};

// The part of a rod that pieces may take: its length less the trim at both ends.
inline int16_t usableLength(const JobParameters& p, int16_t rodLength) {
    return static_cast<int16_t>(rodLength - 2 * (p.trim > 0 ? p.trim : 0));
}

// The parameters a method cuts with: those given, on rods of the usable length.
inline JobParameters cuttingParameters(const JobParameters& p) {
    JobParameters cutting = p;
    cutting.rodLength = usableLength(p, p.rodLength);
    return cutting;
}

// A cut takes its thickness off the rod before the next piece: one of at least the rod length
// would leave no room for a piece, and a negative one would let the rod grow.
inline bool cutFitsRod(int16_t cutThickness, int16_t rodLength) {
    return cutThickness >= 0 && cutThickness < rodLength;
}

// True when the waste lies strictly between the two band edges.
inline bool insideWasteBand(const JobParameters& p, int32_t waste) {
    return p.minWasteDimension < waste && waste < p.maxWasteDimension;
}

}  // namespace marlo
