#pragma once

#include <string_view>
#include <vector>

#include "model/Job.h"
#include "model/JobParameters.h"
#include "model/ListRowCheck.h"
#include "model/ProductionJob.h"

namespace marlo {

// A row of the cutting list that is no part: its dimension is not a length of at least 1 mm, or
// its pieces are not a number from 0 up (see checkListRow).
struct LeftOutRow {
    int row = 0;  // 1-based list row
    RowFault fault = RowFault::Dimension;

    bool operator==(const LeftOutRow&) const = default;
};

struct ConvertedJob {
    ProductionJob job;
    std::vector<LeftOutRow> leftOut;
};

// The *.opt job as a production job of one material: the header as it is, each list row a part
// (dimension and pieces rounded as a run rounds them), and a material with the parameters' rod
// length, cut thickness and trim, named `materialName` (the catalogue's word "Material").
ConvertedJob productionJobFromJob(const Job& job, const JobParameters& parameters,
                                  std::string_view materialName);

}  // namespace marlo
