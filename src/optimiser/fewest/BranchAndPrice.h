#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

// How the tree picks the pair of pieces to branch on, of those the relaxation splits (their rods
// together are not a whole number).
enum class PairChoice {
    // The heaviest of the pairs split by a quarter rod or more (else the pair split the most):
    // where pieces must fill rods exactly, the big ones settle the most.
    HeaviestSplit,
    MostSplit,  // the pair split the most
};

struct TreeOutcome {
    std::optional<Packing> plan;  // the plan of fewest rods the tree found, below `fewerThan`
    bool finished = false;   // every node settled: no plan has fewer rods than `plan`'s, or than
                             // `fewerThan` when there is none
    double rootBound = 0.0;  // proven by the relaxation with subset-row cuts: no plan has fewer
    uint64_t nodes = 0;
};

// Looks for a plan of fewer than `fewerThan` rods, or proves there is none, by branch and
// price: the relaxation with subset-row cuts at the root, then a tree that keeps pairs of pieces
// together on one rod or apart (Ryan and Foster), priced under each node's rules, depth first
// (every node whose bound is below `fewerThan` is settled either way, so no order proves sooner).
// Only patterns that waste no more than a plan of fewer rods could are looked at. Every piece is
// its own type in the tree. `patterns` (of the instance's types) start the relaxation. The same
// tree on any number of threads: it runs on the caller's. A tree of more than `mostNodes` nodes
// is left unfinished.
TreeOutcome branchAndPrice(const Instance& instance, const std::vector<Pattern>& patterns,
                           int fewerThan, PairChoice choice, const Deadline& deadline,
                           uint64_t mostNodes = UINT64_MAX);

}  // namespace marlo::fewest
