#pragma once

#include <cstdint>
#include <string>

#include "model/JobParameters.h"
#include "model/RodPattern.h"
#include "model/StockList.h"

namespace marlo {

// The rod a pattern is cut from: its length and, for an offcut, its identifier.
struct PatternStock {
    int16_t length = 0;
    std::string id;  // empty for a new rod

    bool operator==(const PatternStock&) const = default;
};

// A pattern's rod: the stock row it names, or the parameters' rod length when it names none (a
// single-length run) or a row the list does not have.
PatternStock patternStock(const RodPattern& pattern, const JobParameters& parameters,
                          const StockList& stock);

}  // namespace marlo
