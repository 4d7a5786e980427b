#include "optimiser/fewest/FitDecreasing.h"

#include <algorithm>
#include <map>
#include <optional>

namespace marlo::fewest {

namespace {

// The rooms of the rods opened so far, as a tree of maxima, so that the first rod with room for
// a piece is found without looking at every rod: a long list opens thousands of rods.
class RoomTree {
  public:
    explicit RoomTree(size_t mostRods) {
        while (leaves_ < mostRods) leaves_ *= 2;
        room_.assign(2 * leaves_, -1);
    }

    // The first rod with at least `room`, or none.
    std::optional<size_t> firstWith(int32_t room) const {
        if (room_[1] < room) return std::nullopt;
        size_t node = 1;
        while (node < leaves_) node = room_[2 * node] >= room ? 2 * node : 2 * node + 1;
        return node - leaves_;
    }

    void set(size_t rod, int32_t room) {
        size_t node = rod + leaves_;
        room_[node] = room;
        for (node /= 2; node >= 1; node /= 2)
            room_[node] = std::max(room_[2 * node], room_[2 * node + 1]);
    }

  private:
    size_t leaves_ = 1;
    std::vector<int32_t> room_;
};

}  // namespace

Packing firstFitDecreasing(const Instance& instance, const std::vector<int32_t>& demand) {
    size_t pieces = 0;
    for (const int32_t d : demand) pieces += static_cast<size_t>(d);
    std::vector<Pattern> rods;
    std::vector<int32_t> room;
    RoomTree rooms(pieces);
    // Pieces of one type are alike: the first rod with room takes as many as fit, then the next.
    for (size_t t = 0; t < instance.types.size(); ++t) {
        const int32_t w = instance.types[t].weight;
        const auto type = static_cast<int32_t>(t);
        int32_t left = demand[t];
        while (left > 0) {
            const std::optional<size_t> open = rooms.firstWith(w);
            const size_t r = open.value_or(rods.size());
            if (!open) {
                rods.emplace_back();
                room.push_back(instance.capacity);
            }
            const int32_t fit = std::min(left, room[r] / w);
            addPieces(rods[r], type, fit);
            room[r] -= fit * w;
            rooms.set(r, room[r]);
            left -= fit;
        }
    }
    return packingOfRods(rods);
}

Packing bestFitDecreasing(const Instance& instance, const std::vector<int32_t>& demand) {
    std::vector<Pattern> rods;
    std::multimap<int32_t, size_t> byRoom;  // room left → rod
    for (size_t t = 0; t < instance.types.size(); ++t) {
        const int32_t w = instance.types[t].weight;
        for (int32_t i = 0; i < demand[t]; ++i) {
            auto tightest = byRoom.lower_bound(w);
            size_t rod;
            int32_t room;
            if (tightest == byRoom.end()) {
                rod = rods.size();
                rods.emplace_back();
                room = instance.capacity;
            } else {
                rod = tightest->second;
                room = tightest->first;
                byRoom.erase(tightest);
            }
            addPieces(rods[rod], static_cast<int32_t>(t), 1);
            byRoom.emplace(room - w, rod);
        }
    }
    return packingOfRods(rods);
}

}  // namespace marlo::fewest
