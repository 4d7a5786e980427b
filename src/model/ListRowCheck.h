#pragma once

#include <cstdint>

#include "model/Job.h"

namespace marlo {

// Why a row cannot go into the cutting list. The dimension is checked before the pieces.
enum class RowFault { None, Dimension, Pieces };

// The checks every new list row passes, typed or pasted: its dimension and its pieces are each a
// number not below 0 whose rounded value fits 16 bits.
RowFault checkListRow(const CutItem& item);

// A dimension above the rod length (equal is fine) goes into the list only once the operator
// confirms it. Only meaningful for a row that passed checkListRow.
bool isLongerThanRod(const CutItem& item, int16_t rodLength);

}  // namespace marlo
