#include "production/PartsOfPieces.h"

#include <cstdint>
#include <deque>
#include <map>
#include <utility>

namespace marlo {

std::vector<PatternParts> partsOfPieces(const PatternTable& patterns, const ProductionJob& job,
                                        const MaterialParts& parts) {
    // Per length, the parts still to be given pieces and how many each still needs.
    std::map<int32_t, std::deque<std::pair<int, int32_t>>> waiting;
    for (const std::vector<int>& row : parts.rowParts)
        for (const int index : row) {
            const Part& part = job.parts[static_cast<size_t>(index)].part;
            if (part.pieces > 0) waiting[part.length].emplace_back(index, part.pieces);
        }
    std::vector<PatternParts> plan;
    for (const RodPattern& pattern : patterns) {
        PatternParts& rods = plan.emplace_back();
        for (int rod = 0; rod < pattern.rods; ++rod) {
            RodParts& pieces = rods.emplace_back();
            for (int i = 0; i < pattern.pieceCount; ++i) {
                std::deque<std::pair<int, int32_t>>& queue = waiting[pattern.lengths[i]];
                if (queue.empty()) {
                    pieces.push_back(-1);
                    continue;
                }
                pieces.push_back(queue.front().first);
                if (--queue.front().second == 0) queue.pop_front();
            }
        }
    }
    return plan;
}

std::vector<std::vector<std::string>> marksOfRods(const PatternParts& rods,
                                                  const ProductionJob& job) {
    std::vector<std::vector<std::string>> marks;
    for (const RodParts& rod : rods) {
        std::vector<std::string>& rodMarks = marks.emplace_back();
        for (const int part : rod)
            rodMarks.push_back(part < 0 ? std::string()
                                        : job.parts[static_cast<size_t>(part)].part.mark);
    }
    return marks;
}

}  // namespace marlo
