#pragma once

#include <cstdint>
#include <string>

namespace marlo {

// "#0.00": at least one integer digit and exactly two decimals.
std::string formatEfficiency(double percent, char decimalSeparator = '.');
// Prices: "#0.00" too.
std::string formatPrice(double price, char decimalSeparator = '.');
// "# ### ### ##0": digit groups of three separated by single spaces, no leading blanks.
std::string formatPossibilities(uint64_t count);
// "#0" followed by " %": the progress rounded to a whole number.
std::string formatProgress(double percent);
// Progress of a run: 100 - remaining / initial * 100.
double progressPercent(int remainingPieces, int initialPieces);

}  // namespace marlo
