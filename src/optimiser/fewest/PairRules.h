#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"

namespace marlo::fewest {

// What a node of the branching tree asks of the rods: pairs of types whose pieces go onto one
// rod together (a rod holds both or neither) or apart (no rod holds both). Meant for types of one
// piece each, the pieces of the tree.
struct PairRules {
    std::vector<std::pair<int32_t, int32_t>> together;
    std::vector<std::pair<int32_t, int32_t>> apart;

    bool allows(const Pattern& pattern) const;
};

}  // namespace marlo::fewest
