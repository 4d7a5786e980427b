#include "optimiser/fewest/CutPricing.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <numeric>

namespace marlo::fewest {

namespace {

constexpr size_t kMostTableCells = size_t{1} << 23;
constexpr uint64_t kMostNodes = uint64_t{1} << 24;
constexpr uint64_t kNodesBetweenClockReads = 1 << 14;
constexpr double kBetter = 1e-12;

// Types kept together, each group under its first type: what the walk chooses.
struct Group {
    std::vector<int32_t> members;
    int32_t weight = 0;
    double value = 0.0;
    int32_t most = 0;  // copies a pattern may hold; 0 when worth nothing or never allowed
    std::vector<std::pair<size_t, int32_t>> cuts;  // each cut of a member, with its members in it
    std::vector<size_t> apartFromEarlier;          // groups before this one it may not join
};

class CutKnapsack {
  public:
    CutKnapsack(const Instance& instance, const CutPrices& prices,
                const std::vector<SubsetRowCut>& cuts, const PairRules& rules,
                const std::vector<int32_t>& bounds, int32_t leastLoad, const Deadline& deadline,
                double worthAsked, size_t mostAlso)
        : instance_(instance),
          prices_(prices),
          deadline_(deadline),
          worthAsked_(worthAsked),
          mostAlso_(mostAlso),
          width_(static_cast<size_t>(instance.capacity) + 1),
          mostRoomLeft_(instance.capacity - std::max(leastLoad, int32_t{0})),
          groups_(instance.types.size()),
          heldInCut_(cuts.size(), 0),
          chosen_(instance.types.size(), 0) {
        formGroups(rules, bounds);
        std::vector<std::vector<size_t>> cutsOfType(instance.types.size());
        for (size_t c = 0; c < cuts.size(); ++c)
            for (int32_t t : cuts[c].types) cutsOfType[static_cast<size_t>(t)].push_back(c);
        for (Group& group : groups_) {
            for (int32_t m : group.members)
                for (size_t c : cutsOfType[static_cast<size_t>(m)]) {
                    const auto same = std::find_if(group.cuts.begin(), group.cuts.end(),
                                                   [c](const auto& e) { return e.first == c; });
                    if (same == group.cuts.end())
                        group.cuts.emplace_back(c, 1);
                    else
                        ++same->second;
                }
        }
    }

    std::optional<PricedPatterns> run() {
        if ((groups_.size() + 1) * width_ > kMostTableCells) return std::nullopt;
        fillBestOfLaterGroups();
        walk(0, instance_.capacity, 0.0);
        if (failed_) return std::nullopt;
        return std::move(found_);
    }

  private:
    void formGroups(const PairRules& rules, const std::vector<int32_t>& bounds) {
        std::vector<size_t> first(instance_.types.size());
        std::iota(first.begin(), first.end(), size_t{0});
        const auto find = [&](size_t t) {
            while (first[t] != t) t = first[t] = first[first[t]];
            return t;
        };
        for (const auto& [a, b] : rules.together) {
            const size_t x = find(static_cast<size_t>(a));
            const size_t y = find(static_cast<size_t>(b));
            first[std::max(x, y)] = std::min(x, y);
        }
        for (size_t t = 0; t < instance_.types.size(); ++t) {
            Group& group = groups_[find(t)];
            group.members.push_back(static_cast<int32_t>(t));
            group.weight += instance_.types[t].weight;
            group.value += prices_.types[t];
            group.most = group.members.size() == 1
                             ? bounds[t]
                             : std::min(group.most, std::min(bounds[t], int32_t{1}));
        }
        for (const auto& [a, b] : rules.apart) {
            const size_t x = find(static_cast<size_t>(a));
            const size_t y = find(static_cast<size_t>(b));
            if (x == y)
                groups_[x].most = 0;
            else
                groups_[std::max(x, y)].apartFromEarlier.push_back(std::min(x, y));
        }
        // Pieces worth nothing may still be needed to load the rod.
        const bool loadNeeded = mostRoomLeft_ < instance_.capacity;
        for (Group& group : groups_) {
            const bool worth = !group.members.empty() && (group.value > 0.0 || loadNeeded) &&
                               group.weight <= instance_.capacity;
            group.most = worth ? std::min(group.most, instance_.capacity / group.weight) : 0;
        }
    }

    // bestFrom_[g * width + room]: the most that groups g, g + 1, ... are worth within `room`
    // such that the room they leave is at most the room a pattern may leave; minus infinity when
    // they cannot fill it that far. The cuts and the pairs kept apart are left out. From the most
    // that the groups are worth at each load exactly, each group's copies split into 1, 2, 4, ...
    // and a rest.
    void fillBestOfLaterGroups() {
        constexpr double kNone = -std::numeric_limits<double>::infinity();
        std::vector<double> atLoad(width_, kNone);
        atLoad[0] = 0.0;
        bestFrom_.resize((groups_.size() + 1) * width_);
        fillWithinRoom(atLoad, bestFrom_.data() + groups_.size() * width_);
        for (size_t g = groups_.size(); g-- > 0;) {
            int32_t left = groups_[g].most;
            for (int32_t copies = 1; left > 0; copies *= 2) {
                const int32_t take = std::min(copies, left);
                left -= take;
                const int32_t weight = take * groups_[g].weight;
                const double value = take * groups_[g].value;
                for (int32_t load = instance_.capacity; load >= weight; --load)
                    atLoad[load] = std::max(atLoad[load], atLoad[load - weight] + value);
            }
            fillWithinRoom(atLoad, bestFrom_.data() + g * width_);
        }
    }

    // row[room]: the most of atLoad over the loads from room less the room a pattern may leave
    // up to room, by a window that keeps the loads of falling value.
    void fillWithinRoom(const std::vector<double>& atLoad, double* row) const {
        std::deque<int32_t> window;
        for (int32_t room = 0; room <= instance_.capacity; ++room) {
            while (!window.empty() && atLoad[window.back()] <= atLoad[room]) window.pop_back();
            window.push_back(room);
            if (window.front() < room - mostRoomLeft_) window.pop_front();
            row[room] = atLoad[window.front()];
        }
    }

    void walk(size_t g, int32_t room, double value) {
        if (failed_) return;
        if (++nodes_ > kMostNodes ||
            (nodes_ % kNodesBetweenClockReads == 0 && deadline_.passed())) {
            failed_ = true;
            return;
        }
        if (value > found_.best.value + kBetter && room <= mostRoomLeft_) keepAsBest(value);
        while (g < groups_.size() && (groups_[g].most == 0 || groups_[g].weight > room)) ++g;
        if (g == groups_.size() || value + bestFrom_[g * width_ + static_cast<size_t>(room)] <=
                                       found_.best.value + kBetter)
            return;
        const Group& group = groups_[g];
        const bool allowed =
            std::none_of(group.apartFromEarlier.begin(), group.apartFromEarlier.end(),
                         [&](size_t other) { return chosen_[other] > 0; });
        const int32_t most = allowed ? std::min(group.most, room / group.weight) : 0;
        for (int32_t count = most; count >= 0; --count) {
            double cost = 0.0;
            for (const auto& [c, members] : group.cuts) {
                const int32_t held = heldInCut_[c];
                cost += prices_.cuts[c] * ((held + count * members) / 2 - held / 2);
                heldInCut_[c] += count * members;
            }
            chosen_[g] = count;
            walk(g + 1, room - count * group.weight, value + count * group.value + cost);
            chosen_[g] = 0;
            for (const auto& [c, members] : group.cuts) heldInCut_[c] -= count * members;
        }
    }

    void keepAsBest(double value) {
        KnapsackSolution& best = found_.best;
        if (best.value > worthAsked_ && found_.alsoWorth.size() < mostAlso_)
            found_.alsoWorth.push_back(std::move(best.pattern));
        best.value = value;
        best.pattern.clear();
        for (size_t g = 0; g < groups_.size(); ++g)
            for (int32_t m : groups_[g].members) addPieces(best.pattern, m, chosen_[g]);
    }

    const Instance& instance_;
    const CutPrices& prices_;
    const Deadline& deadline_;
    const double worthAsked_;
    const size_t mostAlso_;
    const size_t width_;
    const int32_t mostRoomLeft_;  // a pattern's room left at most: the capacity less its least load
    std::vector<Group> groups_;   // by their first type; empty for the other types of a group
    std::vector<int32_t> heldInCut_;  // pieces of the walk's pattern in each cut
    std::vector<int32_t> chosen_;     // copies of each group in the walk's pattern
    std::vector<double> bestFrom_;
    PricedPatterns found_;
    uint64_t nodes_ = 0;
    bool failed_ = false;
};

}  // namespace

std::optional<PricedPatterns> mostValuablePatternWithCuts(
    const Instance& instance, const CutPrices& prices, const std::vector<SubsetRowCut>& cuts,
    const PairRules& rules, const std::vector<int32_t>& bounds, int32_t leastLoad,
    const Deadline& deadline, double worthAsked, size_t mostAlso) {
    return CutKnapsack(instance, prices, cuts, rules, bounds, leastLoad, deadline, worthAsked,
                       mostAlso)
        .run();
}

}  // namespace marlo::fewest
