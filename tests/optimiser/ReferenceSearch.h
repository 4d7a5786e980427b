#pragma once

// A literal, step-by-step rendering of the cutting-plan search with the candidate table, the
// choice stack and the slot copies, kept deliberately naive. The fast search must agree with it
// on every count, pattern and total.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/JobParameters.h"

namespace marlo::reference {

struct Pattern {
    int rods;
    int waste;
    std::vector<int> lengths;
    bool operator==(const Pattern&) const = default;
};

struct Result {
    bool aborted = false;
    std::vector<Pattern> patterns;  // in result order
    int rodCount = 0;
    long totalWaste = 0;
    int wastePieceCount = 0;
    uint64_t steps = 0;
    uint64_t yields = 0;
};

inline Result search(std::vector<int> list, const JobParameters& par) {
    std::sort(list.begin(), list.end(), std::greater<int>());
    std::vector<int> P(1, 0);
    P.insert(P.end(), list.begin(), list.end());
    int N = static_cast<int>(list.size());
    const int R = par.rodLength, k = par.cutThickness;
    int slot[4][101] = {};
    int stack[101] = {};
    Result res;
    bool allFit = false;
    int yieldCounter = 0;
    do {
        int u = 0, h = 1, c = 1, r = 3, top = 1;
        bool added = false;
        slot[1][2] = 0;
        slot[2][2] = 0;
        int sum = 0;
        for (int i = 1; i <= N; ++i) {
            sum += P[i] + k;
            if (sum > R) break;
        }
        if (sum < R) allFit = true;
        u = 0;
        do {
            if (++yieldCounter > 3000) {
                ++res.yields;
                yieldCounter = 0;
            }
            if (P[h] + u <= R) {
                u += P[h] + k;
                slot[c][r] = P[h];
                slot[c][2] += 1;
                ++r;
                if (r > 100) {
                    res.aborted = true;
                    res.patterns.clear();
                    return res;
                }
                added = true;
                stack[top++] = h;
            }
            if (h == N && added) {
                slot[c][1] = R - u;
                if (!allFit) {
                    ++c;
                    added = false;
                    u = 0;
                    --top;
                    if (stack[top] == N && top > 1 && !(par.startMethod == 1 && top == 2)) --top;
                    h = stack[top];
                    for (int i = 1; i <= top - 1; ++i) {
                        slot[c][i + 2] = P[stack[i]];
                        u += P[stack[i]] + k;
                    }
                    slot[c][2] = top - 1;
                    r = slot[c][2] + 3;
                    if (c == 3) {
                        const int w1 = slot[1][1], w2 = slot[2][1], q1 = slot[1][2],
                                  q2 = slot[2][2];
                        const bool replace =
                            w2 < w1 || (w2 == w1 && q2 < q1) ||
                            (par.wasteBordersMode == 0 && par.minWasteDimension < w1 &&
                             w1 < par.maxWasteDimension && w2 > par.maxWasteDimension);
                        if (replace)
                            for (int i = 1; i <= q2 + 2; ++i) slot[1][i] = slot[2][i];
                        for (int i = 1; i <= slot[3][2] + 2; ++i) slot[2][i] = slot[3][i];
                        c = 2;
                    }
                    int j = h + 1;
                    while (j <= N - 1 && P[j] == P[h]) ++j;
                    h = j - 1;
                }
            }
            ++h;
            ++res.steps;
        } while (h <= N);

        for (int i = 3; i <= slot[1][2] + 2; ++i) {
            const int idx = static_cast<int>(
                std::find(P.begin() + 1, P.begin() + 1 + N, slot[1][i]) - P.begin());
            P.erase(P.begin() + idx);
            --N;
        }
        int w = slot[1][1];
        if (w > 0)
            ++res.wastePieceCount;
        else
            w = -(w + k);
        if (w > 0) res.totalWaste += w;
        std::vector<int> lengths(slot[1] + 3, slot[1] + 3 + slot[1][2]);
        auto found = std::find_if(res.patterns.begin(), res.patterns.end(), [&](const Pattern& p) {
            return p.waste == w && p.lengths == lengths;
        });
        if (found != res.patterns.end())
            ++found->rods;
        else
            res.patterns.push_back({1, w, lengths});
        ++res.rodCount;
    } while (N >= 1);
    if (par.sortOutputByWaste == 1)
        std::stable_sort(res.patterns.begin(), res.patterns.end(),
                         [](const Pattern& a, const Pattern& b) { return a.waste < b.waste; });
    return res;
}

}  // namespace marlo::reference
