#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace marlo::fewest {

// The rods in an integer flow over the arcs of an arc-flow graph (each with `from` and `to`
// loads, from 0 up to `highestLoad`): each unit of flow from load 0 follows arcs with flow left
// until it reaches `end`, the load or mark where a rod ends. Each rod is the arcs it takes, in
// order; a rod that finds no arc with flow left before its end stops where it is.
template <typename FlowArc>
std::vector<std::vector<size_t>> rodsOfFlow(const std::vector<FlowArc>& arcs, const double* flow,
                                            int32_t highestLoad, int32_t end) {
    std::vector<int64_t> left(arcs.size());
    std::vector<std::vector<size_t>> out(static_cast<size_t>(highestLoad) + 1);
    for (size_t a = 0; a < arcs.size(); ++a) {
        left[a] = std::llround(flow[a]);
        if (left[a] > 0) out[static_cast<size_t>(arcs[a].from)].push_back(a);
    }
    std::vector<std::vector<size_t>> rods;
    while (true) {
        std::vector<size_t> rod;
        int32_t at = 0;
        while (at != end) {
            size_t next = arcs.size();
            for (size_t a : out[static_cast<size_t>(at)])
                if (left[a] > 0) next = a;
            if (next == arcs.size()) break;
            --left[next];
            rod.push_back(next);
            at = arcs[next].to;
        }
        if (rod.empty()) return rods;
        rods.push_back(std::move(rod));
    }
}

}  // namespace marlo::fewest
