#pragma once

#include <cstdint>

#include "model/Job.h"

namespace marlo {

// The cutting-list row a piece belongs to: the first row (1-based) whose dimension is the
// piece's length and whose pieces are a valid count, so that several rows of one dimension all
// give their pieces the first of them. 0 when no row has that dimension.
int listRowOf(const CuttingList& list, int16_t length);

}  // namespace marlo
