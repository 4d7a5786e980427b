#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mitre/MitrePlanning.h"
#include "mitre/RodShares.h"
#include "model/JobParameters.h"
#include "model/PieceList.h"
#include "model/StockList.h"

namespace marlo::mitre {

// Lengths closer than this (mm) to the rod's are within it.
inline constexpr double kFits = 1e-6;

// Whole mm (or steps), rounded down, within the lengths a job holds.
int16_t toLength(double mm);

// The usable length of a rod of the stock row (-1: of the parameters' rod length).
double usableOf(int32_t stockItem, const JobParameters& parameters, const StockList& stock);

// How a square job rounds the shares: in `steps` per mm, down (for the bound) or up (for plans
// whose rods hold what real rods hold where the pieces meet as the shares assume, as frames'
// mitres do), on rods `shorter` mm shorter.
struct ShareRounding {
    double steps = 1.0;
    bool up = false;
    int shorter = 0;
};

// The steps per mm of the lengths the rods allow whose rounding of the shares, down or up, strays
// least from them.
double squareSteps(const MitreJob& job, const RodShares& shares, const JobParameters& parameters,
                   const StockList& stock, bool roundUp);

// The square job whose plans bound the angled job's (rounded down): every piece its share, every
// rod its usable length and end allowance, no cut and no trim (both are in the shares).
struct SquareJob {
    PieceList pieces;
    JobParameters parameters;
    StockList stock;
    std::vector<int16_t> lengthOfKind;
};

std::unique_ptr<SquareJob> squareJob(const MitreJob& job, const RodShares& shares,
                                     const JobParameters& parameters, const StockList& stock,
                                     const ShareRounding& rounding);

}  // namespace marlo::mitre
