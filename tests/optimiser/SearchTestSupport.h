#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "model/JobParameters.h"
#include "model/PieceList.h"
#include "optimiser/CuttingPlanSearch.h"

namespace marlo::testing {

struct Piece {
    int length;
    int count;
};

inline JobParameters parameters(int rod, int cut) {
    JobParameters p;
    p.rodLength = static_cast<int16_t>(rod);
    p.cutThickness = static_cast<int16_t>(cut);
    return p;
}

// A piece list prepared as input preparation leaves it: longest first.
inline std::unique_ptr<PieceList> pieceList(const std::vector<Piece>& rows) {
    auto list = std::make_unique<PieceList>();
    std::vector<int16_t> all;
    for (const Piece& row : rows)
        for (int i = 0; i < row.count; ++i) all.push_back(static_cast<int16_t>(row.length));
    std::sort(all.begin(), all.end(), std::greater<int16_t>());
    for (int16_t length : all) list->append(length);
    list->setInitialCount(list->count());
    return list;
}

class RecordingObserver : public RunObserver {
  public:
    void rodCut(double progress, const PlanSummary& totals) override {
        progressSeen.push_back(progress);
        totalsSeen.push_back(totals);
    }
    void yieldToEvents() override {
        ++yields;
        if (stopAfterYields > 0 && yields >= stopAfterYields) stop = true;
    }
    bool stopRequested() override { return stop; }
    void message(int offset) override { messages.push_back(offset); }

    std::vector<double> progressSeen;
    std::vector<PlanSummary> totalsSeen;
    std::vector<int> messages;
    int yields = 0;
    int stopAfterYields = 0;
    bool stop = false;
};

inline CuttingPlan optimise(const std::vector<Piece>& rows, const JobParameters& p,
                            RunObserver& observer) {
    auto list = pieceList(rows);
    return searchCuttingPlan(*list, p, observer);
}

inline CuttingPlan optimise(const std::vector<Piece>& rows, const JobParameters& p) {
    RunObserver quiet;
    return optimise(rows, p, quiet);
}

inline std::vector<int> lengthsOf(const RodPattern& pattern) {
    return {pattern.lengths.begin(), pattern.lengths.begin() + pattern.pieceCount};
}

}  // namespace marlo::testing
