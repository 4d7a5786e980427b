#pragma once

#include <vector>

#include "model/Job.h"
#include "model/PieceList.h"

namespace marlo {

// A list row that input preparation refused, with the catalogue offset of its message.
struct RejectedRow {
    int row;  // 1-based list row
    int messageOffset;

    bool operator==(const RejectedRow&) const = default;
};

struct PreparedInput {
    std::vector<RejectedRow> rejectedRows;
    bool tooManyPieces = false;  // the list expands beyond the capacity of the piece list
};

// Expands the cutting list into single pieces, longest first, into `pieces`. Rows whose
// dimension is not shorter than the rod, or whose cells are not valid numbers, are refused
// one message per row. When nothing is left, the piece list's order and initial count are
// left as they were (count 0).
PreparedInput prepareInput(const CuttingList& list, int16_t rodLength, PieceList& pieces);

}  // namespace marlo
