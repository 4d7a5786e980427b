#include "optimiser/fewest/ArcFlow.h"

#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <vector>

#include "optimiser/fewest/FlowPaths.h"
#include "optimiser/fewest/IntegerProgram.h"

namespace marlo::fewest {

// Arcs of a type start where a heavier type's arc ends (or at 0), or after fewer consecutive
// arcs of the same type than its demand: every plan keeps its pieces in a path, heaviest first.
std::optional<std::vector<Arc>> pieceArcsOf(const Instance& instance, const Deadline& deadline) {
    const int32_t c = instance.capacity;
    std::vector<char> reached(static_cast<size_t>(c) + 1, 0);
    reached[0] = 1;
    std::vector<Arc> arcs;
    std::vector<int32_t> chain(static_cast<size_t>(c) + 1);
    for (size_t t = 0; t < instance.types.size(); ++t) {
        if (arcs.size() > kMostArcs || deadline.passed()) return std::nullopt;
        const int32_t w = instance.types[t].weight;
        for (int32_t v = 0; v <= c; ++v) chain[static_cast<size_t>(v)] = reached[v] ? 0 : -1;
        for (int32_t v = 0; v + w <= c; ++v) {
            const int32_t depth = chain[static_cast<size_t>(v)];
            if (depth < 0 || depth >= instance.types[t].demand) continue;
            if (arcs.size() > kMostArcs) return std::nullopt;
            arcs.push_back({v, v + w, static_cast<int>(t)});
            int32_t& next = chain[static_cast<size_t>(v + w)];
            next = next < 0 ? depth + 1 : std::min(next, depth + 1);
        }
        for (int32_t v = 0; v <= c; ++v)
            if (chain[static_cast<size_t>(v)] >= 0) reached[static_cast<size_t>(v)] = 1;
    }
    return arcs;
}

std::vector<char> loadsReached(const Instance& instance, const std::vector<Arc>& arcs) {
    std::vector<char> reached(static_cast<size_t>(instance.capacity) + 1, 0);
    for (const Arc& arc : arcs) reached[static_cast<size_t>(arc.to)] = 1;
    return reached;
}

namespace {

constexpr int kLoss = -1;  // an arc that leaves the rest of the rod unused

// Every arc of a piece, and an arc from every partial load to the full rod. None when the graph
// would pass kMostArcs or the deadline passes while it is built: a long list on a long rod makes
// graphs of gigabytes.
std::optional<std::vector<Arc>> arcsOf(const Instance& instance, const Deadline& deadline) {
    std::optional<std::vector<Arc>> arcs = pieceArcsOf(instance, deadline);
    if (!arcs) return std::nullopt;
    const std::vector<char> reached = loadsReached(instance, *arcs);
    for (int32_t v = 1; v < instance.capacity; ++v)
        if (reached[static_cast<size_t>(v)]) arcs->push_back({v, instance.capacity, kLoss});
    if (arcs->size() > kMostArcs) return std::nullopt;
    return arcs;
}

// The arcs on a path from 0 to the capacity worth at least `leastValue` at the prices: the best
// path to an arc's start, its piece and the best path on from its end.
std::vector<Arc> arcsWorthAtLeast(const Instance& instance, const std::vector<Arc>& arcs,
                                  const std::vector<double>& prices, double leastValue) {
    const auto valueOf = [&](const Arc& arc) { return arc.type == kLoss ? 0.0 : prices[arc.type]; };
    std::vector<size_t> byStart(arcs.size());
    std::iota(byStart.begin(), byStart.end(), 0);
    std::stable_sort(byStart.begin(), byStart.end(),
                     [&](size_t a, size_t b) { return arcs[a].from < arcs[b].from; });
    const double unreached = -std::numeric_limits<double>::infinity();
    std::vector<double> toLoad(static_cast<size_t>(instance.capacity) + 1, unreached);
    std::vector<double> fromLoad(static_cast<size_t>(instance.capacity) + 1, unreached);
    toLoad[0] = 0.0;
    fromLoad[static_cast<size_t>(instance.capacity)] = 0.0;
    for (size_t a : byStart) {
        const Arc& arc = arcs[a];
        double& reached = toLoad[static_cast<size_t>(arc.to)];
        reached = std::max(reached, toLoad[static_cast<size_t>(arc.from)] + valueOf(arc));
    }
    for (auto a = byStart.rbegin(); a != byStart.rend(); ++a) {
        const Arc& arc = arcs[*a];
        double& onward = fromLoad[static_cast<size_t>(arc.from)];
        onward = std::max(onward, valueOf(arc) + fromLoad[static_cast<size_t>(arc.to)]);
    }
    std::vector<Arc> kept;
    for (const Arc& arc : arcs) {
        if (toLoad[static_cast<size_t>(arc.from)] + valueOf(arc) +
                fromLoad[static_cast<size_t>(arc.to)] >=
            leastValue)
            kept.push_back(arc);
    }
    return kept;
}

// The plan in a flow: each unit of flow from 0 follows arcs with flow left up to the capacity.
Packing packingOf(const Instance& instance, const std::vector<Arc>& arcs, const double* flow) {
    std::vector<Pattern> rods;
    for (const std::vector<size_t>& path :
         rodsOfFlow(arcs, flow, instance.capacity, instance.capacity)) {
        Pattern pattern;
        for (size_t a : path)
            if (arcs[a].type != kLoss) addPieces(pattern, arcs[a].type, 1);
        rods.push_back(std::move(pattern));
    }
    return packingOfRods(rods);
}

}  // namespace

ArcFlowOutcome solveArcFlow(const Instance& instance, const Packing& incumbent, int bound,
                            const Deadline& deadline, int threads, const FeasiblePrices* prices) {
    ArcFlowOutcome outcome;
    std::optional<std::vector<Arc>> graph = arcsOf(instance, deadline);
    if (!graph) return outcome;
    std::optional<double> gap;
    if (prices != nullptr) {
        gap = incumbent.rodCount() - 1 - prices->rods;
        graph = arcsWorthAtLeast(instance, *graph, prices->prices, 1.0 - *gap - kPriceSlack);
    }
    const std::vector<Arc>& arcs = *graph;
    const int32_t c = instance.capacity;
    const int types = static_cast<int>(instance.types.size());
    const int rodsRow = types;  // rows: demand per type, the rods, conservation per node
    std::vector<int> nodeRow(static_cast<size_t>(c) + 1, -1);
    int rows = types + 1;
    for (const Arc& arc : arcs) {
        for (int32_t node : {arc.from, arc.to})
            if (node != 0 && node != c && nodeRow[static_cast<size_t>(node)] < 0)
                nodeRow[static_cast<size_t>(node)] = rows++;
    }

    // The matrix by columns, built in one go: up to three entries per arc.
    std::vector<int> starts{0};
    std::vector<int> index;
    std::vector<double> value;
    std::vector<double> columnLower(arcs.size(), 0.0);
    std::vector<double> columnUpper(arcs.size());
    std::vector<double> cost(arcs.size(), 0.0);
    for (size_t a = 0; a < arcs.size(); ++a) {
        const Arc& arc = arcs[a];
        if (arc.type != kLoss) {
            index.push_back(arc.type);
            value.push_back(1.0);
        }
        if (arc.from == 0) {
            index.push_back(rodsRow);
            value.push_back(1.0);
            cost[a] = 1.0;
        } else {
            index.push_back(nodeRow[static_cast<size_t>(arc.from)]);
            value.push_back(-1.0);
        }
        if (arc.to != c) {
            index.push_back(nodeRow[static_cast<size_t>(arc.to)]);
            value.push_back(1.0);
        }
        starts.push_back(static_cast<int>(index.size()));
        columnUpper[a] = arc.type == kLoss ? incumbent.rodCount() : instance.types[arc.type].demand;
    }
    const CoinPackedMatrix matrix(true, rows, static_cast<int>(arcs.size()),
                                  static_cast<CoinBigIndex>(index.size()), value.data(),
                                  index.data(), starts.data(), nullptr);
    std::vector<double> rowLower(static_cast<size_t>(rows), 0.0);
    std::vector<double> rowUpper(static_cast<size_t>(rows), 0.0);
    for (int t = 0; t < types; ++t) {
        rowLower[t] = instance.types[t].demand;
        // A plan of fewer rods loses less than the gap against the prices, and so does every
        // surplus piece: of a type priced above the gap it cuts none.
        rowUpper[t] = gap && prices->prices[t] > *gap ? rowLower[t] : COIN_DBL_MAX;
    }
    rowLower[rodsRow] = bound;
    rowUpper[rodsRow] = incumbent.rodCount() - 1;

    if (deadline.passed()) return outcome;
    OsiClpSolverInterface solver;
    solver.loadProblem(matrix, columnLower.data(), columnUpper.data(), cost.data(), rowLower.data(),
                       rowUpper.data());
    // A plan of as many rods as the bound cannot be bettered.
    const IntegerOutcome solved = solveIntegerProgram(solver, deadline, bound, threads);
    outcome.nodes = solved.nodes;
    if (!solved.solution.empty()) {
        Packing found = packingOf(instance, arcs, solved.solution.data());
        if (coversDemand(instance, found) && found.rodCount() < incumbent.rodCount())
            outcome.better = std::move(found);
    }
    // With the rods capped below the incumbent, a search that ends without a plan proves the
    // incumbent optimal, and one that ends with a plan proves that plan optimal.
    if (solved.finished)
        outcome.provenBound = outcome.better ? outcome.better->rodCount() : incumbent.rodCount();
    return outcome;
}

}  // namespace marlo::fewest
