#pragma once

#include <string>

#include "labels/SawList.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"

namespace marlo {

// The saw list as CSV for a saw's controller or a spreadsheet: UTF-8, fields separated by ';',
// lines ended by CR LF, the header row
// pattern;rods;stock_length;stock_id;cut;length;position;row
// then one line per piece of each pattern in cutting order; `cut` counts the pieces of the
// pattern from 1 and `stock_id` is empty for a new rod. A field holding ';' or a quote is quoted,
// and one a spreadsheet would run as a formula guarded, as in every CSV file the program writes.
std::string sawListCsv(const SawList& saw);

// A production job's saw list as one CSV file: the columns above, then material;mark;order, the
// materials with a plan one after the other. `row` is the number of the piece's part in the job,
// and a pattern whose rods are cut for different parts has its lines once per run of rods cut
// for the same parts, `rods` counting the run's rods. A job with angled pieces has six more
// columns, start;end;start_angle;end_angle;shared;turned: where each piece lies on the rod's
// reference face (mm to the tenth, `position` then its end rounded), its cuts' angles as it lies
// (positive: the blade leans towards the rod's far end on the opposite face), 1 where its start
// cut freed the piece before, 1 where it lies turned over; empty for square pieces.
std::string productionSawListCsv(const ProductionJob& job, const ProductionPlan& plan);

}  // namespace marlo
