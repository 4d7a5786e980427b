#pragma once

#include <memory>
#include <set>
#include <vector>

#include "optimiser/fewest/CuttingStock.h"
#include "optimiser/fewest/Deadline.h"
#include "optimiser/fewest/PairRules.h"
#include "optimiser/fewest/SubsetRowCuts.h"

namespace marlo::fewest {

// The relaxation of the cutting-stock problem with subset-row cuts and the rules of a node of
// the branching tree, over the patterns that load a rod with at least `leastLoad` (of the
// instance's weight): one row per type (at least its demand), one per cut (at most its limit),
// one column per pattern. Patterns that break the rules stay in the LP, held at no rods.
class CutMaster {
  public:
    // Starts with a pattern of one piece of each type, which keeps the LP feasible whatever the
    // cuts and rules: where it loads less than `leastLoad` it costs `substituteCost` rods, enough
    // to show that no plan of the allowed patterns needs it.
    CutMaster(const Instance& instance, int32_t leastLoad, double substituteCost,
              const Deadline& deadline);
    ~CutMaster();
    CutMaster(const CutMaster&) = delete;
    CutMaster& operator=(const CutMaster&) = delete;

    // Once; a known pattern, or one that loads less than the least load, is left out.
    void addPattern(const Pattern& pattern);
    void addCuts(const std::vector<SubsetRowCut>& cuts);
    void setRules(const PairRules& rules);

    // Column generation until no pattern can lower the LP's value; raises `bound` on the way to a
    // proven bound of the relaxation under the rules. False when it could not end: the deadline,
    // or a pricing too large.
    bool solve(double& bound);

    double value() const;
    std::vector<double> relaxation() const;  // rods per pattern
    const std::vector<Pattern>& patterns() const { return patterns_; }
    const std::vector<SubsetRowCut>& cuts() const { return cuts_; }

  private:
    class Lp;
    void addColumn(const Pattern& pattern, double cost);
    double provenBound(const std::vector<double>& typePrices, const std::vector<double>& cutPrices,
                       double mostValue) const;

    const Instance& instance_;
    const int32_t leastLoad_;
    const Deadline& deadline_;
    std::unique_ptr<Lp> lp_;
    std::vector<int32_t> demand_;
    std::vector<Pattern> patterns_;
    std::set<Pattern> known_;
    std::vector<SubsetRowCut> cuts_;
    PairRules rules_;
    bool resolveDual_ = false;
};

}  // namespace marlo::fewest
