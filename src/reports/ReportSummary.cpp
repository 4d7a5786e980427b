#include "reports/ReportSummary.h"

#include <memory>

#include "i18n/StringCatalogue.h"
#include "optimiser/InputPreparation.h"

namespace marlo {

std::optional<ReportSummary> buildReportSummary(const PieceList& pieces) {
    ReportSummary summary;
    for (int i = 1; i <= pieces.count(); ++i) {
        const int16_t length = pieces.piece(i);
        if (summary.count > 0 && summary.entries[summary.count - 1].dimension == length) {
            ++summary.entries[summary.count - 1].pieces;
            continue;
        }
        if (summary.count == ReportSummary::kCapacity) return std::nullopt;
        summary.entries[summary.count++] = {length, 1};
    }
    return summary;
}

std::optional<ReportSummary> orderForReport(const CuttingList& list, int16_t rodLength,
                                            std::vector<int>* tooLongRows) {
    // The piece list is too large for the stack.
    auto pieces = std::make_unique<PieceList>();
    const PreparedInput prepared = prepareInput(list, rodLength, *pieces);
    if (tooLongRows) {
        for (const RejectedRow& rejected : prepared.rejectedRows)
            if (rejected.messageOffset == msg::kDimensionTooLong)
                tooLongRows->push_back(rejected.row);
    }
    if (prepared.tooManyPieces) return std::nullopt;
    return buildReportSummary(*pieces);
}

}  // namespace marlo
