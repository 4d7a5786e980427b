// Runs one search on a job of many short pieces and reports how many steps it counted, how long
// it took and, when asked to stop after some yields, how soon it returned after the request.
// Peak memory is measured from outside (scripts/long-run.sh runs this under /usr/bin/time -v).
//
// long_run_probe DIMENSIONS [PIECES_EACH] [STOP_AFTER_YIELDS]
//   the job: DIMENSIONS lengths 200 + 29 * i mm (i = 0 ..), PIECES_EACH pieces of each (3),
//   on a 6000 mm rod with a 6 mm cut; STOP_AFTER_YIELDS 0 (default) runs to the end.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/InputPreparation.h"

namespace {

using Clock = std::chrono::steady_clock;

class ProbeObserver : public marlo::RunObserver {
  public:
    explicit ProbeObserver(long stopAfterYields) : stopAfterYields_(stopAfterYields) {}

    void yieldToEvents() override {
        ++yields;
        if (stopAfterYields_ > 0 && yields == stopAfterYields_) stopAskedAt = Clock::now();
    }
    bool stopRequested() override { return stopAfterYields_ > 0 && yields >= stopAfterYields_; }

    long yields = 0;
    Clock::time_point stopAskedAt{};

  private:
    long stopAfterYields_;
};

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIMENSIONS [PIECES_EACH] [STOP_AFTER_YIELDS]\n", argv[0]);
        return 2;
    }
    const int dimensions = std::atoi(argv[1]);
    const std::string piecesEach = argc > 2 ? argv[2] : "3";
    const long stopAfterYields = argc > 3 ? std::atol(argv[3]) : 0;

    marlo::CuttingList list;
    for (int i = 0; i < dimensions; ++i) list.push_back({std::to_string(200 + 29 * i), piecesEach});
    marlo::JobParameters parameters;  // rod 6000, cut 6, the default switches
    auto pieces = std::make_unique<marlo::PieceList>();
    const marlo::PreparedInput prepared = marlo::prepareInput(list, parameters.rodLength, *pieces);
    if (prepared.tooManyPieces || !prepared.rejectedRows.empty() || pieces->count() == 0) {
        std::fprintf(stderr, "the job is not a valid list\n");
        return 2;
    }

    ProbeObserver observer(stopAfterYields);
    const Clock::time_point start = Clock::now();
    const marlo::CuttingPlan plan = marlo::searchCuttingPlan(*pieces, parameters, observer);
    const Clock::time_point end = Clock::now();

    const char* status = plan.status == marlo::RunStatus::Finished  ? "finished"
                         : plan.status == marlo::RunStatus::Stopped ? "stopped"
                                                                    : "aborted";
    std::printf("pieces %d, status %s, rods %d, patterns %d\n", pieces->initialCount(), status,
                plan.summary.rodCount, plan.patterns.count());
    if (plan.status == marlo::RunStatus::Stopped) {
        // The search yields at every 3001st step, so the stop came at this step.
        std::printf("stopped at step %lld, yields %ld, seconds %.2f\n", observer.yields * 3001LL,
                    observer.yields, secondsBetween(start, end));
        std::printf("returned %.6f s after the stop request\n",
                    secondsBetween(observer.stopAskedAt, end));
    } else {
        std::printf("steps %llu, yields %ld, seconds %.2f\n",
                    static_cast<unsigned long long>(plan.summary.calculatedPossibilities),
                    observer.yields, secondsBetween(start, end));
    }
    return 0;
}
