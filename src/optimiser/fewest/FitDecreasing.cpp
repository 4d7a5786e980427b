#include "optimiser/fewest/FitDecreasing.h"

#include <map>

namespace marlo::fewest {

Packing firstFitDecreasing(const Instance& instance, const std::vector<int32_t>& demand) {
    const size_t types = instance.types.size();
    std::vector<Pattern> rods;
    std::vector<int32_t> room;
    // Pieces of one type are alike: the first rod with room takes as many as fit, then the next.
    for (size_t t = 0; t < types; ++t) {
        const int32_t w = instance.types[t].weight;
        int32_t left = demand[t];
        for (size_t r = 0; r < rods.size() && left > 0; ++r) {
            const int32_t fit = std::min(left, room[r] / w);
            rods[r][t] += fit;
            room[r] -= fit * w;
            left -= fit;
        }
        while (left > 0) {
            const int32_t fit = std::min(left, instance.capacity / w);
            rods.emplace_back(types, 0)[t] = fit;
            room.push_back(instance.capacity - fit * w);
            left -= fit;
        }
    }
    return packingOfRods(rods);
}

Packing bestFitDecreasing(const Instance& instance, const std::vector<int32_t>& demand) {
    const size_t types = instance.types.size();
    std::vector<Pattern> rods;
    std::multimap<int32_t, size_t> byRoom;  // room left → rod
    for (size_t t = 0; t < types; ++t) {
        const int32_t w = instance.types[t].weight;
        for (int32_t i = 0; i < demand[t]; ++i) {
            auto tightest = byRoom.lower_bound(w);
            size_t rod;
            int32_t room;
            if (tightest == byRoom.end()) {
                rod = rods.size();
                rods.emplace_back(types, 0);
                room = instance.capacity;
            } else {
                rod = tightest->second;
                room = tightest->first;
                byRoom.erase(tightest);
            }
            ++rods[rod][t];
            byRoom.emplace(room - w, rod);
        }
    }
    return packingOfRods(rods);
}

}  // namespace marlo::fewest
