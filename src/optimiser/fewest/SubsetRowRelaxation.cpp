#include "optimiser/fewest/SubsetRowRelaxation.h"

#include "optimiser/fewest/ColumnGeneration.h"

namespace marlo::fewest {

namespace {

// Where the relaxation is a whole number of rods, a bound just above it proves a rod more: cuts
// violated by little still count.
constexpr double kLeastViolation = 1e-5;
constexpr size_t kCutsPerRound = 30;
constexpr size_t kMostCuts = 600;
// A round whose cuts raise the bound by less than this has stalled.
constexpr double kLeastProgress = 1e-3;

}  // namespace

std::optional<double> strengthenWithCuts(CutMaster& master, const Instance& instance,
                                         int enoughRods, int stalledRounds) {
    double bound = 0.0;
    double before = 0.0;
    int stalled = 0;
    while (true) {
        if (!master.solve(bound)) return std::nullopt;
        if (roundedUp(bound) >= enoughRods) return bound;
        stalled = bound < before + kLeastProgress ? stalled + 1 : 0;
        before = bound;
        if (stalled >= stalledRounds || master.cuts().size() >= kMostCuts) return bound;
        const std::vector<SubsetRowCut> cuts =
            violatedSubsetRowCuts(instance, master.patterns(), master.relaxation(), master.cuts(),
                                  kLeastViolation, kCutsPerRound);
        if (cuts.empty()) return bound;
        master.addCuts(cuts);
    }
}

}  // namespace marlo::fewest
