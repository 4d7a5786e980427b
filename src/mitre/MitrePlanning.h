#pragma once

#include <atomic>
#include <vector>

#include "mitre/MitreGeometry.h"
#include "model/JobParameters.h"
#include "model/MethodChoice.h"
#include "model/StockList.h"
#include "optimiser/PlanResult.h"
#include "optimiser/RunObserver.h"

namespace marlo::mitre {

// Pieces with angled ends to cut from one material: per kind its shape and pieces wanted.
struct MitreJob {
    std::vector<PieceShape> shapes;
    std::vector<int> pieces;
    MitreMaterial material;
};

// The length of rod a piece of this kind takes alone, at its best.
double aloneLength(const MitreJob& job, int kind);

// Plans the job with the fewest rods (or, from a stock list, at the lowest price), each rod's
// pieces in the order and turning that take the least rod, and proves a bound: that of the
// square job of the pieces' shares (RodShares), solved by the exact method of square pieces. The
// plan starts from that job's plan, each rod checked by its real length and, where too long,
// relieved of pieces that go to other rods; while it is not proven and time is left, the square
// job is solved again on rods a little shorter, whose plans need fewer such moves. The result's
// lengths are the pieces' reference lengths, its cut orders say how each pattern is cut, and its
// bound and proven mark hold for the angled job. Every kind must fit a rod alone.
PlanResult planMitred(const MitreJob& job, const JobParameters& parameters,
                      const MethodChoice& choice, RunObserver& observer,
                      const std::atomic<bool>& stop, const StockList& stock);

}  // namespace marlo::mitre
