#include "optimiser/CuttingPlanSearch.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "optimiser/NumberFormats.h"

namespace marlo {

namespace {

// The window processes its events at the step where this many steps have passed since the last.
constexpr int kStepsPerYield = 3001;
// A candidate holds at most 97 pieces; a 98th ends the run.
constexpr int kMaxPiecesPerRod = RodPattern::kMaxPieces;

// A complete combination of pieces for one rod.
struct Candidate {
    int32_t waste = 0;
    int count = 0;
    std::array<int16_t, kMaxPiecesPerRod> lengths{};
};

// The depth-first search, rod by rod.
//
// Every step of the search is counted, but most steps do no work: they try a piece that does not
// fit the space left and are not the last piece of the list. Such runs of steps are counted in
// one go, jumping straight to the next piece that fits (or to the last piece), with the yields
// to the window still made at exactly every 3001st step. The candidate under construction is
// the list of choices on the stack, so it is only copied when it becomes the best of its rod.
class Search {
  public:
    Search(PieceList& pieces, const JobParameters& parameters, RunObserver& observer)
        : pieceList_(pieces),
          p_(pieces.data()),
          parameters_(parameters),
          observer_(observer),
          rodLength_(parameters.rodLength),
          // A negative cut would let a rod grow; the settings refuse it, and the search treats it
          // as 0.
          cut_(std::max<int32_t>(parameters.cutThickness, 0)),
          firstFitting_(static_cast<size_t>(std::max<int32_t>(rodLength_, 0) + cut_) + 1),
          lastEqual_(PieceList::kCapacity + 2) {}

    CuttingPlan run();

  private:
    enum class RodOutcome { Cut, Stopped, TooManyPieces };

    RodOutcome searchRod();
    void prepareRodTables();
    bool allPiecesFitOneRod() const;
    void yieldToWindow();
    void takeCandidate(int32_t waste, int top);
    bool replacesBest(int32_t bestWaste, int bestCount, int32_t waste, int count) const;
    void removeBestFromPieceList();
    bool bookRod(int16_t waste);
    void finishPatterns();

    PieceList& pieceList_;
    int16_t* p_;  // p_[1 .. n_], longest first
    int n_ = 0;
    const JobParameters& parameters_;
    RunObserver& observer_;
    const int32_t rodLength_;
    const int32_t cut_;

    CuttingPlan plan_;
    uint64_t steps_ = 0;
    uint64_t nextYield_ = kStepsPerYield;
    bool stopRequested_ = false;
    bool allFitInOneRod_ = false;

    // Per rod: the first index whose piece fits a given space, and the last index of each run
    // of equal pieces.
    std::vector<int16_t> firstFitting_;
    std::vector<int16_t> lastEqual_;

    // Choices of the candidate under construction (1-based) and the space left before each.
    std::array<int16_t, kMaxPiecesPerRod + 2> stack_{};
    std::array<int32_t, kMaxPiecesPerRod + 2> spaceBefore_{};
    Candidate best_;
};

CuttingPlan Search::run() {
    n_ = pieceList_.count();
    const int initial = pieceList_.initialCount();
    PlanSummary shown;
    do {
        const RodOutcome outcome = searchRod();
        if (outcome == RodOutcome::Stopped) {
            plan_.status = RunStatus::Stopped;
            break;
        }
        if (outcome == RodOutcome::TooManyPieces) {
            plan_.status = RunStatus::Aborted;
            plan_.abortMessage = msg::kTooManyShortDimensions;
            break;
        }
        removeBestFromPieceList();
        int16_t waste = static_cast<int16_t>(best_.waste);
        if (waste <= 0) waste = static_cast<int16_t>(-(waste + cut_));
        if (!bookRod(waste)) {
            plan_.status = RunStatus::Aborted;
            plan_.abortMessage = msg::kTooManyPatterns;
            break;
        }
        if (waste > 0) {
            ++plan_.summary.wastePieceCount;
            plan_.summary.totalWaste += waste;
        }
        ++plan_.summary.rodCount;
        plan_.summary.calculatedPossibilities = steps_;
        shown = plan_.summary;
        observer_.rodCut(progressPercent(n_, initial), shown);
        if (observer_.stopRequested()) stopRequested_ = true;
    } while (n_ >= 1 && !stopRequested_);

    pieceList_.setCount(static_cast<int16_t>(n_));
    if (plan_.status == RunStatus::Finished && stopRequested_) plan_.status = RunStatus::Stopped;
    if (plan_.status == RunStatus::Aborted) {
        plan_.summary = shown;
        plan_.patterns.clear();
        observer_.message(plan_.abortMessage);
    } else if (plan_.status == RunStatus::Finished) {
        finishPatterns();
    }
    return plan_;
}

bool Search::allPiecesFitOneRod() const {
    int32_t sum = 0;
    for (int i = 1; i <= n_ && sum <= rodLength_; ++i) sum += p_[i] + cut_;
    return sum < rodLength_;
}

void Search::prepareRodTables() {
    // firstFitting_[cut + s]: first index whose piece is not longer than the space s, or n + 1.
    // A space goes down to minus one cut when the last piece fills the rod.
    int index = n_ + 1;
    for (int32_t space = -cut_; space <= rodLength_; ++space) {
        while (index > 1 && p_[index - 1] <= space) --index;
        firstFitting_[cut_ + space] = static_cast<int16_t>(index);
    }
    for (int i = n_; i >= 1; --i)
        lastEqual_[i] = static_cast<int16_t>(i < n_ && p_[i + 1] == p_[i] ? lastEqual_[i + 1] : i);
}

// Yields are due at every 3001st step of the run. A run of idle steps counted in one go may
// pass a yield point; the yield then follows right after it, which keeps their number exact.
// A stop ends the run at the yield that brought it: no further events are processed, where a
// command could start inside the search that is ending.
void Search::yieldToWindow() {
    while (steps_ >= nextYield_ && !stopRequested_) {
        observer_.yieldToEvents();
        nextYield_ += kStepsPerYield;
        if (observer_.stopRequested()) stopRequested_ = true;
    }
}

Search::RodOutcome Search::searchRod() {
    allFitInOneRod_ = allFitInOneRod_ || allPiecesFitOneRod();
    prepareRodTables();

    // The hot loop works on locals only; members are brought up to date before every call out.
    const int16_t* const p = p_;
    const int n = n_;
    const int16_t* const firstFitting = firstFitting_.data() + cut_;  // valid from -cut to R
    const int16_t* const lastEqual = lastEqual_.data();
    int16_t* const stack = stack_.data();
    int32_t* const spaceBefore = spaceBefore_.data();
    const bool stopAtSecondChoice = parameters_.startMethod == 1;
    const bool allFit = allFitInOneRod_;
    const int32_t cut = cut_;
    uint64_t steps = steps_;
    uint64_t nextYield = nextYield_;
    int32_t space = rodLength_;
    int top = 1;
    int32_t bestWaste = 0;
    int bestCount = 0;  // no complete candidate yet

    // Every pass of the loop places the piece at h: the first piece of a rod always fits, the
    // pass jumps to the next piece that fits, and after a backtrack the piece that follows the
    // replaced one is never longer than it, so it fits the same space. The steps in between try
    // pieces that are too long; they only count. A pass that finds nothing more to place up to
    // the last piece completes the candidate there and backtracks.
    for (int h = 1;;) {
        if (top > kMaxPiecesPerRod) {
            steps_ = steps;
            return RodOutcome::TooManyPieces;
        }
        spaceBefore[top] = space;
        stack[top++] = static_cast<int16_t>(h);
        space -= p[h] + cut;

        if (h < n) {
            const int next = std::max<int>(firstFitting[space], h + 1);
            if (next <= n) {
                steps += static_cast<uint64_t>(next - h);
                h = next;
                if (steps >= nextYield) [[unlikely]] {
                    steps_ = steps;
                    yieldToWindow();
                    nextYield = nextYield_;
                    if (stopRequested_) return RodOutcome::Stopped;
                }
                continue;
            }
            steps += static_cast<uint64_t>(n - h);
        }

        // The step at the last piece completes the candidate.
        ++steps;
        const int count = top - 1;
        if (bestCount == 0 || replacesBest(bestWaste, bestCount, space, count)) {
            bestWaste = space;
            bestCount = count;
            takeCandidate(space, top);
        }
        if (allFit) break;
        --top;
        if (stack[top] == n && top > 1 && !(stopAtSecondChoice && top == 2)) --top;
        h = stack[top];
        space = spaceBefore[top];
        // The replaced piece gives way to the next shorter one, skipping its equals, but the
        // search never skips past the last piece.
        h = h < n ? std::min<int>(lastEqual[h], n - 1) + 1 : n + 1;
        if (steps >= nextYield) [[unlikely]] {
            steps_ = steps;
            yieldToWindow();
            nextYield = nextYield_;
            if (stopRequested_) return RodOutcome::Stopped;
        }
        if (h > n) break;
    }
    steps_ = steps;
    return RodOutcome::Cut;
}

void Search::takeCandidate(int32_t waste, int top) {
    best_.waste = waste;
    best_.count = top - 1;
    for (int i = 1; i < top; ++i) best_.lengths[i - 1] = p_[stack_[i]];
}

bool Search::replacesBest(int32_t bestWaste, int bestCount, int32_t waste, int count) const {
    if (waste < bestWaste) return true;
    if (waste == bestWaste && count < bestCount) return true;
    return parameters_.wasteBordersMode == 0 && insideWasteBand(parameters_, bestWaste) &&
           waste > parameters_.maxWasteDimension;
}

// Removes, for every length of the best candidate, the first remaining piece of that length.
// Both lists run longest first, so one merging pass does it.
void Search::removeBestFromPieceList() {
    int kept = 0;
    int taken = 0;
    for (int i = 1; i <= n_; ++i) {
        if (taken < best_.count && p_[i] == best_.lengths[taken]) {
            ++taken;
            continue;
        }
        p_[++kept] = p_[i];
    }
    n_ = kept;
}

bool Search::bookRod(int16_t waste) {
    for (int i = 0; i < plan_.patterns.count(); ++i) {
        RodPattern& pattern = plan_.patterns[i];
        if (pattern.pieceCount == best_.count && pattern.waste == waste &&
            std::equal(best_.lengths.begin(), best_.lengths.begin() + best_.count,
                       pattern.lengths.begin())) {
            ++pattern.rods;
            return true;
        }
    }
    if (plan_.patterns.full()) return false;
    RodPattern& pattern = plan_.patterns.append();
    pattern.rods = 1;
    pattern.waste = waste;
    pattern.pieceCount = static_cast<int16_t>(best_.count);
    std::copy(best_.lengths.begin(), best_.lengths.begin() + best_.count, pattern.lengths.begin());
    return true;
}

void Search::finishPatterns() {
    RodPattern* first = plan_.patterns.begin();
    RodPattern* last = plan_.patterns.end();
    if (parameters_.sortOutputByWaste == 1) {
        std::stable_sort(first, last, [](const RodPattern& a, const RodPattern& b) {
            return a.waste < b.waste;
        });
    }
    int16_t sequence = 0;
    for (RodPattern* pattern = first; pattern != last; ++pattern) pattern->sequence = ++sequence;
}

}  // namespace

CuttingPlan searchCuttingPlan(PieceList& pieces, const JobParameters& parameters,
                              RunObserver& observer) {
    auto search = std::make_unique<Search>(pieces, parameters, observer);
    return search->run();
}

}  // namespace marlo
