#pragma once

namespace marlo::fewest_text {

// Catalogue offsets of the fewest-rods method's texts.
inline constexpr int kLowerBound = 115;        // "Lower bound (rods)"
inline constexpr int kLowerBoundLine = 116;    // the same as a report line, up to its value
inline constexpr int kProvenOptimal = 117;     // "proven optimal"
inline constexpr int kNotProven = 118;         // "not proven"
inline constexpr int kSearchMethod = 119;      // "Rod-by-rod search"
inline constexpr int kFewestRodsMethod = 120;  // "Fewest rods"
inline constexpr int kMethod = 121;            // "Method"
inline constexpr int kTimeLimit = 122;         // "Time limit (s)"
inline constexpr int kBestPlanSoFar = 123;     // "Best plan so far (rods)"

}  // namespace marlo::fewest_text
