#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/Job.h"
#include "model/PieceList.h"

namespace marlo {

// One distinct cut dimension of a job with the number of its pieces.
struct ReportSummaryEntry {
    int16_t dimension = 0;
    int16_t pieces = 0;

    bool operator==(const ReportSummaryEntry&) const = default;
};

// The distinct dimensions that every report lists at its end, largest first.
struct ReportSummary {
    static constexpr int kCapacity = 100;

    std::array<ReportSummaryEntry, kCapacity> entries{};
    int16_t count = 0;  // entries[0 .. count-1] are valid

    const ReportSummaryEntry* begin() const { return entries.data(); }
    const ReportSummaryEntry* end() const { return entries.data() + count; }
};

// Groups the pieces of a piece list (sorted longest first, so equal lengths are adjacent) by
// dimension. Nothing when there are more distinct dimensions than the summary holds.
std::optional<ReportSummary> buildReportSummary(const PieceList& pieces);

// Prepares the cutting list as a run does and summarises its pieces. Nothing when the
// summary does not fit or the list expands beyond the piece list's capacity. `tooLongRows`, when
// given, receives the 1-based list rows whose dimension does not fit the rod: every report warns
// of them again.
std::optional<ReportSummary> orderForReport(const CuttingList& list, int16_t rodLength,
                                            std::vector<int>* tooLongRows = nullptr);

}  // namespace marlo
