#pragma once

#include <optional>
#include <vector>

#include "i18n/StringCatalogue.h"
#include "model/ProductionJob.h"
#include "production/ProductionPlanning.h"
#include "reports/TextReport.h"
#include "reports/XlsxWriter.h"

namespace marlo {

// The reports of a production job: a section per material with a plan, in the job's order, each
// its material's cutting list ordered for the report beside the material's plan, named after the
// material. Nothing when a material has more distinct lengths than a report holds. The sections
// refer to the plan: it must outlive them.
std::optional<std::vector<ReportData>> productionReports(const ProductionJob& job,
                                                         const ProductionPlan& plan);

// Why each material has no plan (with what its stock could not hold), and each part that cannot
// be cut with its number and mark: a message line each, in the catalogue's language.
std::vector<std::string> productionPlanFaults(const ProductionJob& job, const ProductionPlan& plan,
                                              const StringCatalogue& catalogue);

// The workbook of a production job: a summary sheet of every material (its rods, price and
// bounds, and the job's total), then each section's sheet named after its material.
std::vector<NamedSheet> productionWorkbook(const ProductionJob& job, const ProductionPlan& plan,
                                           const std::vector<ReportData>& sections,
                                           const StringCatalogue& catalogue);

}  // namespace marlo
