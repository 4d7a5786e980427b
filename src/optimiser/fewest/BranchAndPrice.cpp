#include "optimiser/fewest/BranchAndPrice.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "optimiser/fewest/ColumnGeneration.h"
#include "optimiser/fewest/CutMaster.h"
#include "optimiser/fewest/SubsetRowRelaxation.h"

namespace marlo::fewest {

namespace {

constexpr double kIntegral = 1e-6;
// Rounds of cuts that raise the bound too little before the root, or a node, is taken as it is.
constexpr int kRootStalledRounds = 5;
constexpr int kNodeStalledRounds = 1;
// Each level of the tree keeps one rule more, and its walk one frame more: a tree this deep is
// left unfinished rather than let grow.
constexpr size_t kMostDepth = 2000;
// A pair whose rods together are at least this far from a whole number is well split.
constexpr double kWellSplit = 0.25;
// What a substitute for the rods that are not loaded enough costs, per rod looked for: enough to
// lift the relaxation above the rods looked for wherever it needs substitutes.
constexpr double kSubstituteCost = 4.0;

// A plan of fewer than `fewerThan` rods wastes at most what that many rods less one leave over
// the pieces, and so does each of its rods: each loads at least the capacity less that waste.
// Above the capacity when no such plan can be.
int32_t leastLoadOf(const Instance& instance, int fewerThan) {
    const int64_t waste = spareCapacity(instance, fewerThan - 1);
    return static_cast<int32_t>(
        std::clamp<int64_t>(instance.capacity - waste, 0, int64_t{instance.capacity} + 1));
}

// The instance with one type per piece, and the type of each piece.
struct Pieces {
    Instance instance;
    std::vector<int32_t> typeOf;
    std::vector<int32_t> firstOf;  // the first piece of each type, and last the piece count

    explicit Pieces(const Instance& types) {
        instance.capacity = types.capacity;
        instance.unit = types.unit;
        instance.pieceCount = types.pieceCount;
        instance.mostPiecesPerRod = types.mostPiecesPerRod;
        for (size_t t = 0; t < types.types.size(); ++t) {
            firstOf.push_back(static_cast<int32_t>(typeOf.size()));
            for (int32_t d = 0; d < types.types[t].demand; ++d) {
                ItemType piece = types.types[t];
                piece.demand = 1;
                instance.types.push_back(piece);
                typeOf.push_back(static_cast<int32_t>(t));
            }
        }
        firstOf.push_back(static_cast<int32_t>(typeOf.size()));
    }

    // A pattern of types as one of pieces: the first pieces of each of its types (no more than
    // the type has).
    Pattern ofPieces(const Pattern& pattern) const {
        Pattern pieces;
        for (const PatternEntry& e : pattern) {
            const auto type = static_cast<size_t>(e.type);
            const int32_t end = std::min(firstOf[type + 1], firstOf[type] + e.count);
            for (int32_t piece = firstOf[type]; piece < end; ++piece) addPieces(pieces, piece, 1);
        }
        return pieces;
    }

    Pattern ofTypes(const Pattern& pattern) const {
        Pattern types;
        for (const PatternEntry& e : pattern) addPieces(types, typeOf[e.type], e.count);
        return types;
    }
};

class Tree {
  public:
    Tree(const Instance& instance, const std::vector<Pattern>& patterns, int fewerThan,
         PairChoice choice, const Deadline& deadline, uint64_t mostNodes)
        : pieces_(instance),
          choice_(choice),
          mostNodes_(mostNodes),
          leastLoad_(leastLoadOf(instance, fewerThan)),
          master_(pieces_.instance, leastLoad_, kSubstituteCost * fewerThan, deadline),
          fewerThan_(fewerThan) {
        for (const Pattern& pattern : patterns) master_.addPattern(pieces_.ofPieces(pattern));
    }

    TreeOutcome run() {
        if (leastLoad_ > pieces_.instance.capacity) {
            outcome_.finished = true;
            outcome_.rootBound = fewerThan_;
            return outcome_;
        }
        const std::optional<double> root =
            strengthenWithCuts(master_, pieces_.instance, fewerThan_, kRootStalledRounds);
        if (!root) return outcome_;
        // The relaxation looks at the plans of fewer rods than asked only: the rest have more.
        outcome_.rootBound = std::min(*root, static_cast<double>(fewerThan_));
        finished_ = true;
        explore({});
        outcome_.finished = finished_;
        return outcome_;
    }

  private:
    void explore(const PairRules& rules) {
        if (!finished_) return;
        if (rules.together.size() + rules.apart.size() > kMostDepth ||
            outcome_.nodes >= mostNodes_) {
            finished_ = false;
            return;
        }
        ++outcome_.nodes;
        master_.setRules(rules);
        // Cuts hold for every plan, so those of one node serve the whole tree.
        const std::optional<double> bound =
            strengthenWithCuts(master_, pieces_.instance, fewerThan_, kNodeStalledRounds);
        if (!bound) {
            finished_ = false;
            return;
        }
        if (roundedUp(*bound) >= fewerThan_) return;
        const std::vector<double> rods = master_.relaxation();
        const std::optional<std::pair<int32_t, int32_t>> pair = pairToBranchOn(rods);
        if (!pair) {
            keepIfPlan(rods, roundedUp(*bound));
            return;
        }
        // Together first: the relaxation leans that way, and a plan found there shortens the rest.
        PairRules together = rules;
        together.together.push_back(*pair);
        explore(together);
        PairRules apart = rules;
        apart.apart.push_back(*pair);
        explore(apart);
    }

    // The pair of pieces to branch on, of those whose rods together are not a whole number: where
    // the relaxation splits a rod's pieces over several patterns. None when no pair is split.
    std::optional<std::pair<int32_t, int32_t>> pairToBranchOn(
        const std::vector<double>& rods) const {
        std::map<std::pair<int32_t, int32_t>, double> shared;
        const std::vector<Pattern>& patterns = master_.patterns();
        for (size_t p = 0; p < patterns.size(); ++p) {
            if (rods[p] <= kIntegral) continue;
            for (size_t i = 0; i < patterns[p].size(); ++i)
                for (size_t j = i + 1; j < patterns[p].size(); ++j)
                    shared[{patterns[p][i].type, patterns[p][j].type}] += rods[p];
        }
        std::optional<std::pair<int32_t, int32_t>> best;
        double bestScore = 0.0;
        for (const auto& [pair, together] : shared) {
            const double split = std::abs(together - std::round(together));
            if (split <= kIntegral) continue;
            const double score = choice_ == PairChoice::HeaviestSplit && split >= kWellSplit
                                     ? 1.0 + weightOf(pair) + split
                                     : split;
            if (score > bestScore) {
                bestScore = score;
                best = pair;
            }
        }
        return best;
    }

    double weightOf(const std::pair<int32_t, int32_t>& pair) const {
        const std::vector<ItemType>& types = pieces_.instance.types;
        return types[static_cast<size_t>(pair.first)].weight +
               types[static_cast<size_t>(pair.second)].weight;
    }

    // Every pair whole: the rods of the patterns, rounded up, cover the demand. A plan of fewer
    // rods than asked is kept and asked of the rest of the tree; the node is settled when the
    // plan meets its bound.
    void keepIfPlan(const std::vector<double>& rods, int bound) {
        Packing plan;
        const std::vector<Pattern>& patterns = master_.patterns();
        for (size_t p = 0; p < patterns.size(); ++p)
            if (rods[p] > kIntegral)
                plan.add(pieces_.ofTypes(patterns[p]),
                         static_cast<int32_t>(std::ceil(rods[p] - kIntegral)));
        if (plan.rodCount() > bound) finished_ = false;
        if (plan.rodCount() >= fewerThan_) return;
        fewerThan_ = plan.rodCount();
        outcome_.plan = std::move(plan);
    }

    const Pieces pieces_;
    const PairChoice choice_;
    const uint64_t mostNodes_;
    const int32_t leastLoad_;
    CutMaster master_;
    int fewerThan_;
    bool finished_ = false;
    TreeOutcome outcome_;
};

}  // namespace

TreeOutcome branchAndPrice(const Instance& instance, const std::vector<Pattern>& patterns,
                           int fewerThan, PairChoice choice, const Deadline& deadline,
                           uint64_t mostNodes) {
    return Tree(instance, patterns, fewerThan, choice, deadline, mostNodes).run();
}

}  // namespace marlo::fewest
