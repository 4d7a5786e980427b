#include "optimiser/CuttingPlanSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

// One choice of the candidate under construction: the piece's index and the room before it.
struct Choice {
    uint32_t index;
    int32_t room;
};

// The piece that replaces a choice when the search backtracks to it, with its cost.
struct Replacement {
    uint32_t index;
    int32_t cost;
};

// The first piece that fits a room, with its cost.
struct FirstFit {
    uint16_t index;
    uint16_t cost;
};

// The depth-first search, rod by rod.
//
// Every step of the search is counted, but most steps do no work: they try a piece that does not
// fit the space left and are not the last piece of the list. Such runs of steps are counted in
// one go, jumping straight to the next piece that fits (or past the last piece), with the yields
// to the window still made at exactly every 3001st step. The candidate under construction is
// the list of choices on the stack, so it is only copied when it becomes the best of its rod.
//
// The search measures the "room" of a candidate: the rod length plus one cut minus the lengths
// and cuts of its pieces. A piece fits when its cost, its length plus one cut, is at most the
// room, and the candidate's waste is its room minus one cut.
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
          cost_(PieceList::kCapacity + 2),
          replacement_(PieceList::kCapacity + 2),
          firstFit_(static_cast<size_t>(std::max<int32_t>(rodLength_, 0) + cut_) + 1) {}

    CuttingPlan run();

  private:
    enum class RodOutcome { Cut, Stopped, TooManyPieces };

    RodOutcome searchRod();
    // The hot loop and its rare calls are kept apart, so that the loop's state gets the
    // registers to itself.
    template <bool kMayOverfill>
    [[gnu::noinline]] RodOutcome searchRodFrom(int32_t countdown);
    void prepareRodTables();
    bool allPiecesFitOneRod() const;
    bool mayOverfillRod() const;
    void countStepsTo(int32_t yieldCountdown);
    int32_t yieldCountdown() const;
    [[gnu::noinline]] bool yieldToWindow(int32_t yieldCountdown);
    [[gnu::noinline]] void takeCandidate(int32_t waste, const Choice* top);
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

    // Per rod: the cost of the pieces 1 to n (cost_[n + 1] = 0 ends the list), the replacement
    // of each (index n + 1: none), and the first piece that fits each room from 0 to rod length
    // plus one cut (index n + 1: none).
    std::vector<int32_t> cost_;
    std::vector<Replacement> replacement_;
    std::vector<FirstFit> firstFit_;

    // Choices of the candidate under construction, 1-based.
    std::array<Choice, kMaxPiecesPerRod + 2> choices_{};
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
        const int16_t waste = bookedWaste(best_.waste, cut_);
        if (!bookRod(waste)) {
            plan_.status = RunStatus::Aborted;
            plan_.abortMessage = msg::kTooManyPatterns;
            break;
        }
        bookRods(plan_.summary, waste, 1);
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

// True when a candidate could reach a 98th piece: when 98 of the shortest pieces, each with its
// cut, fit the rod plus one cut.
bool Search::mayOverfillRod() const {
    const int32_t shortest = cost_[n_];
    return n_ > kMaxPiecesPerRod &&
           (shortest <= 0 || (rodLength_ + cut_) / shortest > kMaxPiecesPerRod);
}

void Search::prepareRodTables() {
    int32_t* const cost = cost_.data();
    for (int i = 1; i <= n_; ++i) cost[i] = p_[i] + cut_;
    cost[n_ + 1] = 0;
    // The replaced piece gives way to the next shorter one, skipping its equals, but the search
    // never skips past the last piece; the last piece itself has no successor.
    const auto n = static_cast<uint32_t>(n_);
    uint32_t lastEqual = n;
    replacement_[n] = {n + 1, 0};
    for (uint32_t i = n - 1; i >= 1; --i) {
        if (p_[i + 1] != p_[i]) lastEqual = i;
        const uint32_t next = std::min(lastEqual, n - 1) + 1;
        replacement_[i] = {next, cost[next]};
    }

    // Rooms from the cost of a piece up to below the cost of the piece before it first fit that
    // piece; of equal pieces the first one. Filled shortest piece first, in runs.
    const int32_t roomEnd = rodLength_ + cut_ + 1;
    FirstFit* const firstFit = firstFit_.data();
    int32_t room = 0;
    for (int index = n_ + 1; index >= 1 && room < roomEnd; --index) {
        const int32_t runEnd = index > 1 ? std::min(cost[index - 1], roomEnd) : roomEnd;
        if (runEnd <= room) continue;
        std::fill(firstFit + room, firstFit + runEnd,
                  FirstFit{static_cast<uint16_t>(index), static_cast<uint16_t>(cost[index])});
        room = runEnd;
    }
}

// The hot loop counts its steps down to the next yield; the count of the run follows from it.
void Search::countStepsTo(int32_t yieldCountdown) {
    steps_ = nextYield_ - static_cast<uint64_t>(static_cast<int64_t>(yieldCountdown));
}

int32_t Search::yieldCountdown() const {
    return static_cast<int32_t>(nextYield_ - steps_);
}

// Yields are due at every 3001st step of the run; the countdown tells how many steps are left
// to the next, and a run of idle steps counted in one go may pass it, even several times. The
// yields then follow right after it, which keeps their number exact. A stop ends the run at the
// yield that brought it: no further events are processed, where a command could start inside
// the search that is ending. Returns false when the run is to stop.
bool Search::yieldToWindow(int32_t yieldCountdown) {
    countStepsTo(yieldCountdown);
    while (steps_ >= nextYield_ && !stopRequested_) {
        observer_.yieldToEvents();
        nextYield_ += kStepsPerYield;
        if (observer_.stopRequested()) stopRequested_ = true;
    }
    return !stopRequested_;
}

Search::RodOutcome Search::searchRod() {
    allFitInOneRod_ = allFitInOneRod_ || allPiecesFitOneRod();
    prepareRodTables();
    return mayOverfillRod() ? searchRodFrom<true>(yieldCountdown())
                            : searchRodFrom<false>(yieldCountdown());
}

// The hot loop works on locals only; members are brought up to date before every call out.
template <bool kMayOverfill>
Search::RodOutcome Search::searchRodFrom(int32_t countdown) {
    const int32_t* const cost = cost_.data();
    const Replacement* const replacement = replacement_.data();
    const FirstFit* const firstFit = firstFit_.data();
    Choice* const choices = choices_.data();  // choices[1] is the first
    Choice* const lastAllowed = choices + kMaxPiecesPerRod;
    // A backtrack past the last piece of the list goes one choice further back, but not to the
    // first choice, nor with start method 1 to the second.
    const Choice* const keptChoices = choices + (parameters_.startMethod == 1 ? 2 : 1);
    const auto n = static_cast<uint32_t>(n_);
    const bool allFit = allFitInOneRod_;
    const int32_t cut = cut_;
    // Above this room a candidate replaces a best whose waste lies in the waste band.
    const int32_t bandEscapeRoom = parameters_.maxWasteDimension + cut;
    const bool bandGivesWay = parameters_.wasteBordersMode == 0;
    int32_t left = countdown;
    int32_t bestRoom = INT32_MAX;  // no complete candidate yet: the first one is taken
    int bestCount = 0;
    int32_t escapeRoom = INT32_MAX;

    uint32_t h = 1;
    int32_t hCost = cost[1];
    int32_t room = rodLength_ + cut;
    Choice* top = choices + 1;  // where the next choice goes
    // Every pass of the loop places the piece at h: the first piece of a rod always fits, the
    // pass jumps to the next piece that fits, and after a backtrack the piece that follows the
    // replaced one is never longer than it, so it fits the same room. The steps in between try
    // pieces that are too long; they only count. A pass that finds nothing more to place up to
    // the last piece completes the candidate there and backtracks.
    for (;;) {
        if constexpr (kMayOverfill) {
            if (top > lastAllowed) {
                countStepsTo(left);
                return RodOutcome::TooManyPieces;
            }
        }
        *top++ = {h, room};
        room -= hCost;
        const uint32_t placed = h;
        // The next piece fits when it is not longer than the room; otherwise no piece up to it
        // does, and the table names the first one that does. Past the last piece the cost 0
        // always fits and leads to n + 1.
        h = placed + 1;
        hCost = cost[h];
        if (hCost > room) {
            const FirstFit fit = firstFit[room];
            h = fit.index;
            hCost = fit.cost;
        }
        left -= static_cast<int32_t>(h - placed);
        if (left <= 0) [[unlikely]] {
            if (!yieldToWindow(left)) return RodOutcome::Stopped;
            left = yieldCountdown();
        }
        if (h <= n) continue;

        // The step at the last piece has completed the candidate. Most candidates leave more
        // room than the best and are passed over at once.
        if (room <= bestRoom || room > escapeRoom) [[unlikely]] {
            const int count = static_cast<int>(top - choices) - 1;
            if (room < bestRoom || (room == bestRoom && count < bestCount) || room > escapeRoom) {
                bestRoom = room;
                bestCount = count;
                escapeRoom = bandGivesWay && insideWasteBand(parameters_, room - cut)
                                 ? bandEscapeRoom
                                 : INT32_MAX;
                takeCandidate(room - cut, top);
            }
        }
        if (allFit) break;
        --top;
        if (placed == n && top > keptChoices) --top;
        const Replacement next = replacement[top->index];
        h = next.index;
        hCost = next.cost;
        room = top->room;
        if (h > n) break;
    }
    countStepsTo(left);
    return RodOutcome::Cut;
}

void Search::takeCandidate(int32_t waste, const Choice* top) {
    best_.waste = waste;
    best_.count = 0;
    for (const Choice* choice = choices_.data() + 1; choice != top; ++choice)
        best_.lengths[best_.count++] = p_[choice->index];
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
    orderAndNumberPatterns(plan_.patterns, parameters_.sortOutputByWaste == 1);
}

}  // namespace

CuttingPlan searchCuttingPlan(PieceList& pieces, const JobParameters& parameters,
                              RunObserver& observer) {
    auto search = std::make_unique<Search>(pieces, parameters, observer);
    return search->run();
}

}  // namespace marlo
