#include "diagram/DimensionColours.h"

#include <array>
#include <functional>
#include <set>
#include <vector>

#include "diagram/BarBlock.h"

namespace marlo {

namespace {

// Light, dark and middle shades in turn, so that neighbouring entries differ in grey as well
// as in hue; black text stays readable on every one.
constexpr std::array<Colour, 12> kPalette = {{
    {0xFF, 0xE0, 0x8A},  // yellow
    {0x5F, 0xA8, 0xD3},  // blue
    {0xA0, 0xD3, 0x7A},  // green
    {0xFF, 0xD0, 0xE0},  // pink
    {0xE0, 0x7A, 0x5F},  // terracotta
    {0x8E, 0xCA, 0xE6},  // sky
    {0xD9, 0xF2, 0xC4},  // pale green
    {0xB0, 0x8F, 0xD8},  // purple
    {0xF4, 0xA2, 0x61},  // orange
    {0xC8, 0xE6, 0xFF},  // pale blue
    {0x7F, 0xB0, 0x69},  // olive
    {0xD7, 0xA8, 0xE0},  // orchid
}};

int shadeOf(size_t paletteIndex) {
    return static_cast<int>(paletteIndex % 3);
}

}  // namespace

double greyValue(Colour colour) {
    return 0.299 * colour.red + 0.587 * colour.green + 0.114 * colour.blue;
}

std::map<int16_t, Colour> dimensionColours(std::span<const RodPattern> patterns) {
    // Largest dimension first, with the dimensions it touches in some bar and those it shares
    // a bar with.
    struct Company {
        std::set<int16_t> touching, sharing;
    };
    std::map<int16_t, Company, std::greater<>> company;
    for (const RodPattern& pattern : patterns) {
        const std::vector<int16_t> pieces = piecesLongestFirst(pattern);
        for (size_t i = 0; i < pieces.size(); ++i) {
            Company& mine = company[pieces[i]];
            for (const int16_t other : pieces)
                if (other != pieces[i]) mine.sharing.insert(other);
            if (i > 0 && pieces[i - 1] != pieces[i]) {
                mine.touching.insert(pieces[i - 1]);
                company[pieces[i - 1]].touching.insert(pieces[i]);
            }
        }
    }

    std::map<int16_t, size_t> chosen;
    std::array<int, kPalette.size()> uses{};
    for (const auto& [dimension, others] : company) {
        size_t best = 0;
        long bestCost = -1;
        for (size_t c = 0; c < kPalette.size(); ++c) {
            long cost = uses[c];
            for (const int16_t other : others.touching) {
                const auto found = chosen.find(other);
                if (found == chosen.end()) continue;
                if (found->second == c) cost += 100000;
                if (shadeOf(found->second) == shadeOf(c)) cost += 100;
            }
            for (const int16_t other : others.sharing) {
                const auto found = chosen.find(other);
                if (found != chosen.end() && found->second == c) cost += 1000;
            }
            if (bestCost < 0 || cost < bestCost) {
                best = c;
                bestCost = cost;
            }
        }
        chosen[dimension] = best;
        ++uses[best];
    }

    std::map<int16_t, Colour> colours;
    for (const auto& [dimension, index] : chosen) colours[dimension] = kPalette[index];
    return colours;
}

}  // namespace marlo
