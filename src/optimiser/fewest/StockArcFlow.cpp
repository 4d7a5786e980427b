#include "optimiser/fewest/StockArcFlow.h"

#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>
#include <algorithm>
#include <cmath>
#include <vector>

#include "optimiser/fewest/ArcFlow.h"
#include "optimiser/fewest/FlowPaths.h"
#include "optimiser/fewest/IntegerProgram.h"

namespace marlo::fewest {

namespace {

// An arc of the graph: a piece or an unused part between two loads, or the end of a rod in a bin.
struct FlowArc {
    int32_t from;
    int32_t to;  // a load, or for a rod's end kEnd
    int type;    // a piece type; -1 an unused part
    int bin;     // the bin of a rod's end; -1 otherwise
};

constexpr int32_t kEnd = -1;

// None when the graph would be too large, or the deadline passes while it is built.
std::optional<std::vector<FlowArc>> graphOf(const StockInstance& instance, const StockBin& largest,
                                            const Deadline& deadline) {
    const std::optional<std::vector<Arc>> pieces = pieceArcsOf(largest.instance, deadline);
    if (!pieces) return std::nullopt;
    std::vector<FlowArc> arcs;
    for (const Arc& arc : *pieces) arcs.push_back({arc.from, arc.to, arc.type, -1});
    const std::vector<char> reached = loadsReached(largest.instance, *pieces);
    std::vector<int32_t> loads;
    for (int32_t v = 1; v < static_cast<int32_t>(reached.size()); ++v)
        if (reached[static_cast<size_t>(v)]) loads.push_back(v);
    for (size_t i = 0; i + 1 < loads.size(); ++i) arcs.push_back({loads[i], loads[i + 1], -1, -1});
    for (size_t b = 0; b < instance.bins.size(); ++b) {
        const auto last =
            std::upper_bound(loads.begin(), loads.end(), instance.bins[b].instance.capacity);
        if (last != loads.begin()) arcs.push_back({*(last - 1), kEnd, -1, static_cast<int>(b)});
    }
    if (arcs.size() > kMostArcs) return std::nullopt;
    return arcs;
}

// The plan in a flow: each unit of flow from load 0 follows arcs with flow left to a rod's end.
StockPacking packingOf(int32_t capacity, const std::vector<FlowArc>& arcs, const double* flow) {
    StockPacking packing;
    for (const std::vector<size_t>& path : rodsOfFlow(arcs, flow, capacity, kEnd)) {
        const int bin = arcs[path.back()].bin;
        if (bin < 0) break;
        Pattern pattern;
        for (size_t a : path)
            if (arcs[a].type >= 0) addPieces(pattern, arcs[a].type, 1);
        packing.add({static_cast<size_t>(bin), pattern}, 1);
    }
    return packing;
}

}  // namespace

StockArcFlowOutcome solveStockArcFlow(const StockInstance& instance, double uncutPrice,
                                      const std::optional<StockPacking>& incumbent, int leastRods,
                                      const Deadline& deadline, int threads, double enough) {
    StockArcFlowOutcome outcome;
    if (instance.bins.empty()) return outcome;
    const StockBin& largest = *std::max_element(
        instance.bins.begin(), instance.bins.end(), [](const StockBin& a, const StockBin& b) {
            return a.instance.capacity < b.instance.capacity;
        });
    const int32_t capacity = largest.instance.capacity;
    const std::optional<std::vector<FlowArc>> graph = graphOf(instance, largest, deadline);
    if (!graph) return outcome;
    const std::vector<FlowArc>& arcs = *graph;
    const double tieBreak = rodTieBreak(instance);
    const int types = static_cast<int>(instance.types.size());

    // Rows: demand per type, rods per limited bin, conservation per load, the cost cap.
    int rows = types;
    std::vector<int> binRow(instance.bins.size(), -1);
    for (size_t b = 0; b < instance.bins.size(); ++b)
        if (instance.bins[b].limited) binRow[b] = rows++;
    std::vector<int> loadRow(static_cast<size_t>(capacity) + 1, -1);
    for (const FlowArc& arc : arcs)
        for (int32_t load : {arc.from, arc.to})
            if (load > 0 && loadRow[static_cast<size_t>(load)] < 0)
                loadRow[static_cast<size_t>(load)] = rows++;
    const int costRow = incumbent ? rows++ : -1;
    const int rodsRow = rows++;

    std::vector<int> starts{0};
    std::vector<int> index;
    std::vector<double> value;
    std::vector<double> columnUpper;
    std::vector<double> cost;
    const auto entry = [&](int row, double v) {
        if (row < 0) return;
        index.push_back(row);
        value.push_back(v);
    };
    for (const FlowArc& arc : arcs) {
        double price = 0.0;
        double upper = instance.pieceCount;
        if (arc.type >= 0) {
            entry(arc.type, 1.0);
            upper = instance.types[static_cast<size_t>(arc.type)].demand;
        }
        if (arc.from > 0) entry(loadRow[static_cast<size_t>(arc.from)], -1.0);
        if (arc.to > 0) entry(loadRow[static_cast<size_t>(arc.to)], 1.0);
        if (arc.bin >= 0) {
            const StockBin& bin = instance.bins[static_cast<size_t>(arc.bin)];
            price = bin.price + tieBreak;
            upper = bin.available;
            entry(binRow[static_cast<size_t>(arc.bin)], 1.0);
            entry(rodsRow, 1.0);
        }
        entry(costRow, price);
        starts.push_back(static_cast<int>(index.size()));
        columnUpper.push_back(upper);
        cost.push_back(price);
    }
    for (int t = 0; t < types; ++t) {
        entry(t, 1.0);
        entry(costRow, uncutPrice);
        starts.push_back(static_cast<int>(index.size()));
        columnUpper.push_back(instance.types[static_cast<size_t>(t)].demand);
        cost.push_back(uncutPrice);
    }
    const int columns = static_cast<int>(cost.size());
    const CoinPackedMatrix matrix(true, rows, columns, static_cast<CoinBigIndex>(index.size()),
                                  value.data(), index.data(), starts.data(), nullptr);
    std::vector<double> rowLower(static_cast<size_t>(rows), 0.0);
    std::vector<double> rowUpper(static_cast<size_t>(rows), 0.0);
    for (int t = 0; t < types; ++t) {
        rowLower[static_cast<size_t>(t)] = instance.types[static_cast<size_t>(t)].demand;
        rowUpper[static_cast<size_t>(t)] = COIN_DBL_MAX;
    }
    for (size_t b = 0; b < instance.bins.size(); ++b)
        if (binRow[b] >= 0) rowUpper[static_cast<size_t>(binRow[b])] = instance.bins[b].available;
    rowLower[static_cast<size_t>(rodsRow)] = leastRods;
    rowUpper[static_cast<size_t>(rodsRow)] = COIN_DBL_MAX;
    if (costRow >= 0) {
        rowLower[static_cast<size_t>(costRow)] = -COIN_DBL_MAX;
        rowUpper[static_cast<size_t>(costRow)] =
            costOf(instance, *incumbent, uncutPrice) - tieBreak / 2;
    }
    const std::vector<double> columnLower(static_cast<size_t>(columns), 0.0);

    if (deadline.passed()) return outcome;
    OsiClpSolverInterface solver;
    solver.loadProblem(matrix, columnLower.data(), columnUpper.data(), cost.data(), rowLower.data(),
                       rowUpper.data());
    const IntegerOutcome solved = solveIntegerProgram(solver, deadline, enough, threads);
    outcome.nodes = solved.nodes;
    outcome.finished = solved.finished;
    if (!solved.solution.empty()) {
        // The pieces that no rod holds are the uncut ones.
        outcome.better =
            withoutSurplus(instance, packingOf(capacity, arcs, solved.solution.data()));
    }
    if (solved.finished && (outcome.better || incumbent)) {
        outcome.costBound =
            costOf(instance, outcome.better ? *outcome.better : *incumbent, uncutPrice);
    } else if (solved.nodes > 0 && std::isfinite(solved.bestPossible) && incumbent &&
               solved.bestPossible < costOf(instance, *incumbent, uncutPrice)) {
        // Stopped before its first node ended, CBC's bound is no bound at all.
        outcome.costBound = solved.bestPossible;
    }
    return outcome;
}

}  // namespace marlo::fewest
