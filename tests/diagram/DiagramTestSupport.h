#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "diagram/DiagramComposer.h"
#include "model/RodPattern.h"

namespace marlo::testing {

// A pattern of `rods` rods cut into `lengths`, its waste worked out as the search books it:
// the remnant behind the last cut, or 0 or minus the sliver when the last piece reaches into
// the last cut.
inline RodPattern patternOf(int rods, std::vector<int> lengths, int rodLength, int cut) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    RodPattern pattern;
    pattern.rods = static_cast<int16_t>(rods);
    pattern.pieceCount = static_cast<int16_t>(lengths.size());
    int used = 0;
    for (size_t i = 0; i < lengths.size(); ++i) {
        pattern.lengths[i] = static_cast<int16_t>(lengths[i]);
        used += lengths[i] + cut;
    }
    const int remnant = rodLength - used;
    pattern.waste = static_cast<int16_t>(remnant > 0 ? remnant : -(remnant + cut));
    return pattern;
}

inline void numberPatterns(std::vector<RodPattern>& patterns) {
    for (size_t i = 0; i < patterns.size(); ++i) patterns[i].sequence = static_cast<int16_t>(i + 1);
}

inline DiagramSource sourceOf(const std::vector<RodPattern>& patterns, int rodLength, int cut) {
    DiagramSource source;
    source.header = {"ACME", "Frames", "White"};
    source.parameters.rodLength = static_cast<int16_t>(rodLength);
    source.parameters.cutThickness = static_cast<int16_t>(cut);
    source.patterns = patterns;
    for (const RodPattern& pattern : patterns) {
        source.totals.rodCount = static_cast<int16_t>(source.totals.rodCount + pattern.rods);
        if (pattern.waste > 0) {
            source.totals.totalWaste += pattern.waste * pattern.rods;
            source.totals.wastePieceCount =
                static_cast<int16_t>(source.totals.wastePieceCount + pattern.rods);
        }
    }
    source.date = "2026-12-08";
    return source;
}

inline std::vector<std::string> textsOf(const DiagramPage& page) {
    std::vector<std::string> texts;
    for (const DiagramText& text : page.texts) texts.push_back(text.text);
    return texts;
}

inline bool contains(const std::vector<std::string>& texts, const std::string& wanted) {
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

}  // namespace marlo::testing
