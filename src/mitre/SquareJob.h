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

// The square job whose plans bound the angled job's: every piece its share rounded down, every
// rod its usable length and end allowance less `shorter` mm, no cut and no trim (both are in the
// shares). Shares rounded up instead (`roundUp`) make a job whose rods hold what real rods hold
// where the pieces meet as the shares assume, as frames' mitres do: its plans need few moves.
struct SquareJob {
    PieceList pieces;
    JobParameters parameters;
    StockList stock;
    std::vector<int16_t> lengthOfKind;
};

std::unique_ptr<SquareJob> squareJob(const MitreJob& job, const RodShares& shares,
                                     const JobParameters& parameters, const StockList& stock,
                                     int shorter, bool roundUp);

}  // namespace marlo::mitre
