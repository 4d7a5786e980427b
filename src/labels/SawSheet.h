#pragma once

#include <string>

#include "i18n/StringCatalogue.h"
#include "labels/PagedDocument.h"
#include "labels/SawList.h"
#include "model/Job.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// The saw list as A4 pages for the operator at the saw: the job's header, then every pattern in
// cutting order with its rods, its stock, a tick box per rod, a line per cut (number, length,
// position, list row) and what becomes of the leftover; numbered pages.
PagedDocument composeSawSheet(const JobHeader& header, const SawList& saw, const std::string& date,
                              const StringCatalogue& catalogue);

// A production job's saw sheet: a section per material with a plan, each from a new page under
// its material's name, its cuts with the number, mark and order of the part each is for (a
// pattern whose rods are cut for different parts lists its cuts once per run of rods).
PagedDocument composeProductionSawSheet(const ProductionJob& job, const ProductionPlan& plan,
                                        const std::string& date, const StringCatalogue& catalogue);

}  // namespace marlo
