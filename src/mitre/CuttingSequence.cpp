#include "mitre/CuttingSequence.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace marlo::mitre {

namespace {

// Above this many cells (pieces left × last piece) the order is found greedily.
constexpr size_t kMostCells = size_t{1} << 18;
constexpr double kNever = std::numeric_limits<double>::infinity();

// One way a piece of the rod may lie.
struct Way {
    size_t kind;  // index into the rod's kinds
    LaidPiece laid;
    LyingEnds ends;
    double mean;
};

// The ways each kind of the rod may lie: as given, and turned over where the material allows it
// and the turned piece's cuts differ.
std::vector<Way> waysOf(const std::vector<int>& kinds, const std::vector<PieceShape>& shapes,
                        const MitreMaterial& material) {
    std::vector<Way> ways;
    for (size_t k = 0; k < kinds.size(); ++k) {
        const PieceShape& shape = shapes[static_cast<size_t>(kinds[k])];
        const double mean = meanLength(shape, material.profileHeight);
        const LyingEnds given = lyingEnds(shape, false, material.profileHeight);
        ways.push_back({k, {kinds[k], false}, given, mean});
        if (!material.mayTurn) continue;
        const LyingEnds turned = lyingEnds(shape, true, material.profileHeight);
        if (sharedCut(given.left, turned.left) && sharedCut(given.right, turned.right)) continue;
        ways.push_back({k, {kinds[k], true}, turned, mean});
    }
    return ways;
}

RodSequence greedySequence(std::vector<int> left, const std::vector<Way>& ways,
                           const MitreMaterial& material) {
    RodSequence sequence;
    const Way* last = nullptr;
    for (;;) {
        const Way* best = nullptr;
        double bestCost = kNever;
        for (const Way& way : ways) {
            if (left[way.kind] == 0) continue;
            const double cost = last == nullptr ? rodEndLength(way.ends.left)
                                                : boundaryLength(last->ends.right, way.ends.left,
                                                                 material.cutThickness);
            if (cost < bestCost || (cost == bestCost && way.mean > best->mean)) {
                best = &way;
                bestCost = cost;
            }
        }
        if (best == nullptr) break;
        --left[best->kind];
        sequence.pieces.push_back(best->laid);
        sequence.lengthUsed += bestCost + best->mean;
        last = best;
    }
    if (last != nullptr) sequence.lengthUsed += rodEndLength(last->ends.right);
    return sequence;
}

}  // namespace

RodSequence shortestSequence(const std::vector<int>& counts, const std::vector<PieceShape>& shapes,
                             const MitreMaterial& material) {
    std::vector<int> kinds, wanted;
    for (size_t k = 0; k < counts.size(); ++k)
        if (counts[k] > 0) {
            kinds.push_back(static_cast<int>(k));
            wanted.push_back(counts[k]);
        }
    if (kinds.empty()) return {};
    const std::vector<Way> ways = waysOf(kinds, shapes, material);
    // The pieces placed so far, as a number in mixed radix: kind k's count times stride[k].
    std::vector<size_t> stride(kinds.size());
    size_t states = 1;
    for (size_t k = 0; k < kinds.size(); ++k) {
        stride[k] = states;
        states *= static_cast<size_t>(wanted[k]) + 1;
        if (states * ways.size() > kMostCells) return greedySequence(wanted, ways, material);
    }
    const size_t n = ways.size();
    std::vector<double> between(n * n);
    for (size_t a = 0; a < n; ++a)
        for (size_t b = 0; b < n; ++b)
            between[a * n + b] =
                boundaryLength(ways[a].ends.right, ways[b].ends.left, material.cutThickness);
    // cost[state * n + w]: the least rod taken by the pieces of `state`, the last lying as way w.
    std::vector<double> cost(states * n, kNever);
    std::vector<int16_t> before(states * n, -1);
    for (size_t w = 0; w < n; ++w)
        cost[stride[ways[w].kind] * n + w] = rodEndLength(ways[w].ends.left) + ways[w].mean;
    const auto placed = [&](size_t state, size_t kind) {
        return static_cast<int>(state / stride[kind] % (static_cast<size_t>(wanted[kind]) + 1));
    };
    for (size_t state = 1; state < states; ++state)
        for (size_t w = 0; w < n; ++w) {
            const double here = cost[state * n + w];
            if (here == kNever) continue;
            for (size_t next = 0; next < n; ++next) {
                const size_t kind = ways[next].kind;
                if (placed(state, kind) == wanted[kind]) continue;
                const size_t cell = (state + stride[kind]) * n + next;
                const double there = here + between[w * n + next] + ways[next].mean;
                if (there < cost[cell]) {
                    cost[cell] = there;
                    before[cell] = static_cast<int16_t>(w);
                }
            }
        }
    const size_t full = states - 1;
    size_t last = 0;
    double best = kNever;
    for (size_t w = 0; w < n; ++w) {
        const double total = cost[full * n + w] + rodEndLength(ways[w].ends.right);
        if (total < best) {
            best = total;
            last = w;
        }
    }
    RodSequence sequence;
    sequence.lengthUsed = best;
    for (size_t state = full, w = last;;) {
        sequence.pieces.insert(sequence.pieces.begin(), ways[w].laid);
        const int16_t previous = before[state * n + w];
        state -= stride[ways[w].kind];
        if (previous < 0) break;
        w = static_cast<size_t>(previous);
    }
    return sequence;
}

}  // namespace marlo::mitre
