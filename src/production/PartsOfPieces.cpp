#include "production/PartsOfPieces.h"

#include <cstdint>
#include <deque>
#include <map>
#include <utility>

namespace marlo {

std::vector<PatternParts> partsOfPieces(const PatternTable& patterns, const ProductionJob& job,
                                        const MaterialParts& parts,
                                        const std::vector<std::vector<PieceCut>>& cutOrders) {
    // Per list row, the parts still to be given pieces and how many each still needs. Pieces of
    // square parts are told apart by their length alone, angled ones by the row they are cut for.
    std::vector<std::deque<std::pair<int, int32_t>>> waiting(parts.rowParts.size());
    std::map<int32_t, size_t> rowOfLength;
    for (size_t row = 0; row < parts.rowParts.size(); ++row)
        for (const int index : parts.rowParts[row]) {
            const Part& part = job.parts[static_cast<size_t>(index)].part;
            rowOfLength.try_emplace(part.length, row);
            if (part.pieces > 0) waiting[row].emplace_back(index, part.pieces);
        }
    std::vector<PatternParts> plan;
    for (int p = 0; p < patterns.count(); ++p) {
        const RodPattern& pattern = patterns[p];
        std::vector<size_t> rowOfSlot(static_cast<size_t>(pattern.pieceCount), waiting.size());
        if (cutOrders.empty()) {
            for (int i = 0; i < pattern.pieceCount; ++i)
                if (const auto row = rowOfLength.find(pattern.lengths[i]); row != rowOfLength.end())
                    rowOfSlot[static_cast<size_t>(i)] = row->second;
        } else {
            for (const PieceCut& cut : cutOrders[static_cast<size_t>(p)])
                rowOfSlot[static_cast<size_t>(cut.slot)] = static_cast<size_t>(cut.kind);
        }
        PatternParts& rods = plan.emplace_back();
        for (int rod = 0; rod < pattern.rods; ++rod) {
            RodParts& pieces = rods.emplace_back();
            for (const size_t row : rowOfSlot) {
                if (row >= waiting.size() || waiting[row].empty()) {
                    pieces.push_back(-1);
                    continue;
                }
                std::deque<std::pair<int, int32_t>>& queue = waiting[row];
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
