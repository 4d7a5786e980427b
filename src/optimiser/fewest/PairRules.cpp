#include "optimiser/fewest/PairRules.h"

#include <algorithm>

namespace marlo::fewest {

namespace {

bool holds(const Pattern& pattern, int32_t type) {
    return std::any_of(pattern.begin(), pattern.end(),
                       [type](const PatternEntry& e) { return e.type == type; });
}

}  // namespace

bool PairRules::allows(const Pattern& pattern) const {
    for (const auto& [a, b] : together)
        if (holds(pattern, a) != holds(pattern, b)) return false;
    for (const auto& [a, b] : apart)
        if (holds(pattern, a) && holds(pattern, b)) return false;
    return true;
}

}  // namespace marlo::fewest
