#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"

namespace marlo::fewest {

// A subset-row cut over three types: a rod that holds n pieces of them counts n / 2 rounded
// down, and the rods of a plan count at most half the three types' demand, rounded down. It holds
// for every plan that cuts no piece more than wanted (any plan can drop its surplus pieces), and
// cuts off relaxations that cover three types by rods that each hold two of them: the odd cycles
// that leave the relaxation a rod short of the plans.
struct SubsetRowCut {
    std::array<int32_t, 3> types;  // ascending
    int32_t limit = 0;

    bool operator==(const SubsetRowCut&) const = default;
};

SubsetRowCut subsetRowCutOf(const Instance& instance, std::array<int32_t, 3> types);

// What a rod cut as `pattern` counts in the cut.
int32_t cutCoefficient(const SubsetRowCut& cut, const Pattern& pattern);

// The cuts that the relaxation `rods` (per pattern) violates by at least `leastViolation`, the
// most violated first, at most `most` of them, none of those in `known`.
std::vector<SubsetRowCut> violatedSubsetRowCuts(const Instance& instance,
                                                const std::vector<Pattern>& patterns,
                                                const std::vector<double>& rods,
                                                const std::vector<SubsetRowCut>& known,
                                                double leastViolation, size_t most);

}  // namespace marlo::fewest
