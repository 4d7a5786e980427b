#pragma once

#include <vector>

#include "mitre/MitrePlanning.h"
#include "optimiser/InputPreparation.h"
#include "production/MaterialParts.h"

namespace marlo {

// A material's rows as pieces with angled ends, one kind per row, with the material's cut
// thickness, profile height (0 when not given) and turning.
mitre::MitreJob mitreJobOf(const MaterialParts& parts);

// Refuses the rows whose piece is not shorter alone than the longest usable rod, as a square
// piece not shorter than the rod is refused; their pieces are left out of the job.
std::vector<RejectedRow> refuseTooLong(mitre::MitreJob& job, int16_t longestUsable);

}  // namespace marlo
