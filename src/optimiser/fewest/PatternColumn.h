#pragma once

#include <vector>

#include "optimiser/fewest/CuttingStock.h"

namespace marlo::fewest {

// Adds a pattern's pieces to a column of an LP or integer program built by columns: the count of
// each type in the row of that type (the demand rows come first, a row per type).
inline void addPatternEntries(const Pattern& pattern, std::vector<int>& rows,
                              std::vector<double>& values) {
    for (const PatternEntry& e : pattern) {
        rows.push_back(e.type);
        values.push_back(e.count);
    }
}

}  // namespace marlo::fewest
