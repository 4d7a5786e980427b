#pragma once

#include <cstdint>
#include <vector>

#include "model/JobParameters.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlan.h"

namespace marlo::fewest {

// One distinct length of the job with the number of pieces wanted.
struct ItemType {
    int16_t length;
    int32_t weight;  // length plus one cut, divided by the instance's unit
    int32_t demand;
};

// The job as a cutting-stock problem. A rod holds pieces whose lengths plus (count - 1) cuts do
// not exceed the rod length, that is whose lengths plus one cut each add up to at most the rod
// length plus one cut: the capacity. Weights and capacity are divided by their common divisor,
// which keeps the tables of the exact methods small.
struct Instance {
    std::vector<ItemType> types;  // longest first
    int32_t capacity = 0;
    int32_t unit = 1;  // mm per weight step
    int pieceCount = 0;
    int mostPiecesPerRod = 0;  // the largest number of pieces any rod can hold
};

Instance instanceOf(const PieceList& pieces, const JobParameters& parameters);

// How many pieces of one type a rod holds.
struct PatternEntry {
    int32_t type;
    int32_t count;  // above 0

    bool operator==(const PatternEntry&) const = default;
    auto operator<=>(const PatternEntry&) const = default;
};

// A rod's pieces: the types it holds, in ascending order, with their counts. Types a rod does not
// hold take no room, so that jobs of many distinct lengths keep small patterns.
using Pattern = std::vector<PatternEntry>;

// Adds `count` pieces of a type to the pattern (nothing when count is not above 0).
void addPieces(Pattern& pattern, int32_t type, int32_t count);

// Before `b` in a plan: more pieces of the longest type where the two differ.
bool holdsLongerPieces(const Pattern& a, const Pattern& b);

// Adds `count` rods cut as `way` to a plan of distinct ways (patterns, or patterns with their
// stock) and the rods of each: to the rods of an equal way where there is one.
template <typename Way>
void addRods(std::vector<Way>& ways, std::vector<int32_t>& rods, const Way& way, int32_t count) {
    if (count <= 0) return;
    for (size_t i = 0; i < ways.size(); ++i) {
        if (ways[i] == way) {
            rods[i] += count;
            return;
        }
    }
    ways.push_back(way);
    rods.push_back(count);
}

// A plan: distinct patterns with the number of rods cut each way.
struct Packing {
    std::vector<Pattern> patterns;
    std::vector<int32_t> rods;

    int rodCount() const;
    void add(const Pattern& pattern, int32_t count);
};

// The rods of both packings, equal patterns merged, in the order they first occur.
Packing combined(const Packing& a, const Packing& b);

// The packing with no more pieces of a type than wanted (surplus pieces are taken out of the
// rods that hold them, empty rods dropped) and equal patterns merged. Covers the demand when the
// packing did.
Packing withoutSurplus(const Instance& instance, const Packing& packing);

// Single rods grouped into patterns in the order they first occur; empty rods are dropped.
Packing packingOfRods(const std::vector<Pattern>& rods);

bool coversDemand(const Instance& instance, const Packing& packing);

// What `rods` rods hold beyond the pieces' weight: the most a plan of so many rods can waste.
int64_t spareCapacity(const Instance& instance, int rods);

// The packing as a result: one rod pattern per pattern, lengths longest first, the waste and
// the totals figured as the rod-by-rod search figures them, ordered by waste when asked.
CuttingPlan cuttingPlanOf(const Instance& instance, const Packing& packing,
                          const JobParameters& parameters);

}  // namespace marlo::fewest
