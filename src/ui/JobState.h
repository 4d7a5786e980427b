#pragma once

#include <QString>

#include "model/Job.h"
#include "model/JobParameters.h"
#include "optimiser/CuttingPlan.h"

namespace marlo {

// What the parts of the main window share: the cutting list, the parameters, the shown result
// and the job's file. The main window owns it; each part reads and changes what its job needs.
struct JobState {
    CuttingList list;
    JobParameters parameters;
    CuttingPlan result;  // valid while resultPresent
    bool resultPresent = false;
    bool changed = false;  // the job differs from its file (or from nothing, when new)
    QString fileName;      // the job file the job is bound to; empty for a new job
};

}  // namespace marlo
